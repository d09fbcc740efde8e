// The plug-in core against the plain evaluation of the same rules, at three
// log sizes, ending with a table of medians and speed-ups and the targets.
// Runs in a fresh temporary folder, where both write their problem logs.
//
//   stats_bench [--benchmark_filter=<regex>] [other Google Benchmark flags]

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "bench/contest_benchmarks.h"
#include "bench/goals.h"
#include "bench/speedup_table.h"
#include "tests/support/temp_dir.h"

namespace stats::bench {
namespace {

constexpr std::array<std::size_t, 3> kSizes = {1'000, 10'000, 100'000};
constexpr std::uint32_t kSeed = 8140;

// How one benchmark runs: a fixed number of iterations (0: as many as Google
// Benchmark wants for the minimum time) and the repetitions whose median counts.
struct Plan {
  benchmark::IterationCount iterations = 0;
  int repetitions = 5;
  double minTime = 0.2;
};

// The fixed-count benchmarks change the log while they run; more repetitions
// make up for their shorter runs.
constexpr int kFixedRepetitions = 9;
constexpr benchmark::IterationCount kAddedQsos = 1'000;

Plan RemovePlan(std::size_t size, bool baseline) {
  // The baseline closes the gap in a vector: at 100 000 QSOs each removal
  // takes milliseconds, so it gets fewer.
  const std::size_t count = baseline && size > 10'000 ? 100 : size / 10;
  return {static_cast<benchmark::IterationCount>(count), kFixedRepetitions};
}

template <typename Body>
void Register(const std::string& name, const Plan& plan, Body body) {
  benchmark::internal::Benchmark* const benchmark =
      benchmark::RegisterBenchmark(name.c_str(), std::move(body));
  benchmark->Repetitions(plan.repetitions)->DisplayAggregatesOnly(true);
  if (plan.iterations > 0) {
    benchmark->Iterations(plan.iterations);
  } else {
    benchmark->MinTime(plan.minTime);
  }
}

// Registers one operation at one size for ours and the baseline; `plan` gives
// the plan for each (`baseline` tells which).
template <typename PlanFor, typename Body>
void RegisterPair(const char* operation, std::size_t size,
                  const std::shared_ptr<LoadedContest<Ours>>& ours,
                  const std::shared_ptr<LoadedContest<Baseline>>& baseline, PlanFor plan,
                  Body body) {
  Register(BenchmarkName(operation, kOurs, size), plan(false),
           [ours, body](benchmark::State& state) { body(state, *ours); });
  Register(BenchmarkName(operation, kBaseline, size), plan(true),
           [baseline, body](benchmark::State& state) { body(state, *baseline); });
}

struct Loaded {
  std::size_t size;
  std::shared_ptr<LoadedContest<Ours>> ours;
  std::shared_ptr<LoadedContest<Baseline>> baseline;
};

void RegisterAll() {
  std::vector<Loaded> loaded;
  for (const std::size_t size : kSizes) {
    const auto log = std::make_shared<const SyntheticLog>(MakeSyntheticLog(size, kSeed));
    loaded.push_back({size, std::make_shared<LoadedContest<Ours>>(log),
                      std::make_shared<LoadedContest<Baseline>>(log)});
  }
  const auto automatic = [](bool) { return Plan{}; };

  Register(BenchmarkName(kProblemLogOpenClose, kOurs, 0), Plan{0, kFixedRepetitions},
           OpenAndCloseProblemLog);
  Register(BenchmarkName(kProblemLogThere, kOurs, 0), Plan{0, kFixedRepetitions},
           SeeProblemLogIsThere);
  for (const Loaded& each : loaded) {
    RegisterPair(
        kAddAccepted, each.size, each.ours, each.baseline,
        [](bool) {
          return Plan{kAddedQsos, kFixedRepetitions};
        },
        [](benchmark::State& state, auto& contest) { AddAcceptedQso(state, contest); });
  }
  for (const Loaded& each : loaded) {
    RegisterPair(kAddRefused, each.size, each.ours, each.baseline, automatic,
                 [](benchmark::State& state, auto& contest) { AddRefusedQso(state, contest); });
  }
  for (const Loaded& each : loaded) {
    RegisterPair(kCheckRepeat, each.size, each.ours, each.baseline, automatic,
                 [](benchmark::State& state, auto& contest) {
                   CheckCalls(state, contest, contest.Log().repeats, kStatsCallRepeat);
                 });
  }
  for (const Loaded& each : loaded) {
    // Every band has QSOs and the aux text is empty: "no repeat, band worked".
    RegisterPair(kCheckNewCall, each.size, each.ours, each.baseline, automatic,
                 [](benchmark::State& state, auto& contest) {
                   CheckCalls(state, contest, contest.Log().newCalls, kStatsCallBandWorked);
                 });
  }
  for (const Loaded& each : loaded) {
    RegisterPair(
        kRemove, each.size, each.ours, each.baseline,
        [size = each.size](bool baseline) { return RemovePlan(size, baseline); },
        [](benchmark::State& state, auto& contest) { RemoveQsos(state, contest); });
  }
  for (const Loaded& each : loaded) {
    RegisterPair(kResult, each.size, each.ours, each.baseline, automatic,
                 [](benchmark::State& state, auto& contest) { GetResults(state, contest); });
  }
}

}  // namespace
}  // namespace stats::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const stats::testing::ScopedWorkingDirectory folder;
  stats::bench::RegisterAll();
  stats::bench::SpeedupTable table(*benchmark::CreateDefaultDisplayReporter());
  benchmark::RunSpecifiedBenchmarks(&table);
  table.Print(std::cout);
  stats::bench::PrintGoals(table, std::cout);
  benchmark::Shutdown();
  return 0;
}
