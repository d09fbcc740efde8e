// What it costs stats-host to prove that its second pass over a log reads the
// bytes its first pass checked: one pass over a made-up log (bench_log.h) read
// from the file as stats-host reads it, with the digest and without, and the
// digest alone over bytes in memory.
//
//   log-pass-bench [--qsos N] [Google Benchmark's options]   (N: 1 000 000)

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "bench/bench_log.h"
#include "logs/adif/log_pass.h"
#include "logs/bytes/byte_source.h"
#include "logs/bytes/digested_bytes.h"

namespace {

namespace fs = std::filesystem;

std::size_t qsoCount = 1'000'000;

const fs::path& BenchLog() {
  static const fs::path log = [] {
    const fs::path file =
        fs::temp_directory_path() / ("log-pass-bench-" + std::to_string(qsoCount) + ".adi");
    if (!fs::exists(file)) stats::bench::WriteBenchLog(qsoCount, file);
    return file;
  }();
  return log;
}

void Pass(benchmark::State& state, bool digested) {
  for (auto _ : state) {
    logs::FileBytes file(BenchLog());
    logs::DigestedBytes digest(file);
    logs::ByteSource& bytes = digested ? static_cast<logs::ByteSource&>(digest) : file;
    const logs::PassCounts counts = logs::ReadQsos(
        bytes, std::nullopt, [](const logs::LogWarning&) {},
        [](const logs::HostQso& qso) { benchmark::DoNotOptimize(qso.call.data()); });
    benchmark::DoNotOptimize(counts.qsos);
    if (digested) benchmark::DoNotOptimize(digest.Total());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(fs::file_size(BenchLog())));
}

void BM_PassWithoutDigest(benchmark::State& state) { Pass(state, false); }
void BM_PassWithDigest(benchmark::State& state) { Pass(state, true); }

void BM_DigestAlone(benchmark::State& state) {
  std::ifstream file(BenchLog(), std::ios::binary);
  const std::string log((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::string block(std::size_t{1} << 20, '\0');
  for (auto _ : state) {
    logs::MemoryBytes memory(log);
    logs::DigestedBytes digest(memory);
    while (digest.Read(block.data(), block.size()) > 0) {
    }
    benchmark::DoNotOptimize(digest.Total());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(log.size()));
}

BENCHMARK(BM_PassWithoutDigest)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_PassWithDigest)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_DigestAlone)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--qsos") == 0) qsoCount = std::strtoull(argv[i + 1], nullptr, 10);
  }
  benchmark::Initialize(&argc, argv);
  BenchLog();  // written before the clock starts
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
