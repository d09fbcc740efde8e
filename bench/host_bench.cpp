// stats-host measured beside the plug-in's own floor and beside reading the
// log with cat, on made-up logs of several sizes, each program in a process of
// its own: wall time and peak resident memory, with the ratios and the goals.
//
//   host-bench [--sizes N,N,...] [--runs R] [--logs DIR]
//   host-bench --floor LOG     one floor run (the table starts it)
//
// The floor: the same QSOs, read and turned into the host's arguments before
// the clock starts, fed straight through ResetStats0, AddData0 and GetResult0.
// It prints its wall and CPU seconds and its resident memory just before
// ResetStats0, so that its peak minus that is the plug-in's store. Times are
// compared as CPU time, which other work on a shared machine disturbs less.

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_log.h"
#include "bench/child_process.h"
#include "logs/adif/log_pass.h"
#include "logs/bytes/byte_source.h"
#include "logs/time/qso_date.h"
#include "stats-host/run/plugin_library.h"
#include "stats-host/run/plugin_location.h"
#include "stats/public/exports.h"

namespace stats::bench {
namespace {

namespace fs = std::filesystem;

constexpr double kSpeedGoal = 1.5;  // stats-host / floor at kGoalSize QSOs
constexpr std::size_t kGoalSize = 200'000;
constexpr double kRepeatsGoal = 1.3;             // --repeats / plain
constexpr long kMemoryGoalKilobytes = 64 << 10;  // peak - store

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

double CpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// One QSO with every argument AddData0 gets, ready to pass.
struct Prepared {
  std::string ownCall, call, mode, rstSent, rstReceived, exchangeSent, exchangeReceived, band;
  StatsDateTime time{};
  std::uint32_t hertz = 0;
};

int Floor(const fs::path& log) {
  std::vector<Prepared> qsos;
  logs::FileBytes bytes(log);
  logs::ReadQsos(
      bytes, std::nullopt, [](const logs::LogWarning&) {},
      [&](const logs::HostQso& q) {
        qsos.push_back(Prepared{
            q.ownCall, q.call, q.mode, q.rstSent, q.rstReceived, q.exchangeSent, q.exchangeReceived,
            q.band, StatsDateTime{logs::ToOleDate(q.date, q.secondOfDay), kStatsDateValid, 0},
            q.frequencyHz});
      });
  const stats_host::PluginLibrary library(fs::absolute(stats_host::DefaultPluginPath()));
  const auto reset = stats_host::EntryPoint<ResetStats0Fn>(library, "ResetStats0");
  const auto add = stats_host::EntryPoint<QsoDataFn>(library, "AddData0");
  const auto result = stats_host::EntryPoint<GetResult0Fn>(library, "GetResult0");
  fs::create_directories("Plugins");
  const StatsDateTime none{0.0, kStatsDateNull, 0};
  const StatsDateTime day = qsos.front().time;
  const char* const e = "";
  const long before = ResidentKilobytes();

  const double cpuStart = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  reset(e, 0, qsos.front().ownCall.c_str(), &none, &day, e, e, e, e, e, e, e, e, e, e, 0, 0, 0, 0.0,
        0.0, e, e, e);
  for (const Prepared& q : qsos) {
    add(q.ownCall.c_str(), q.call.c_str(), &q.time, &none, &none, &none, 0, q.hertz, q.mode.c_str(),
        q.rstSent.c_str(), q.rstReceived.c_str(), q.exchangeSent.c_str(),
        q.exchangeReceived.c_str(), e, e, e, e, e, e, e, e, e, e, 0, 0, 0, 0.0, 0.0, e, e, e,
        q.band.c_str(), e);
  }
  int score = 0;
  result(&score);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%.6f %.6f %ld\n", seconds, CpuSeconds() - cpuStart, before);
  return 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The runs of one program on one log: CPU and wall times, the largest peak.
struct Times {
  std::vector<double> cpu;
  std::vector<double> wall;
  long peak = 0;  // kilobytes

  void Add(double cpuSeconds, double wallSeconds, long peakKilobytes) {
    cpu.push_back(cpuSeconds);
    wall.push_back(wallSeconds);
    peak = std::max(peak, peakKilobytes);
  }
  double Cpu() const { return Median(cpu); }
  double Wall() const { return Median(wall); }
};

struct Row {
  std::size_t qsos = 0;
  double fileMegabytes = 0;
  Times cat, floor, host, repeats;
  long store = 0;  // kilobytes
};

// One run in a fresh folder; stops the benchmark when the program fails.
ChildRun RunOnce(const std::vector<std::string>& arguments, const fs::path& folder,
                 Output output = Output::kDropped) {
  fs::remove_all(folder);
  fs::create_directories(folder);
  ChildRun run = RunChild(arguments, folder, output);
  if (run.status != 0) throw std::runtime_error(arguments.front() + " failed");
  return run;
}

// The programs take turns, run after run, so that the load of a shared
// machine falls on all of them alike.
Row MeasureSize(std::size_t qsos, const fs::path& logs, const fs::path& program, int runs) {
  const fs::path log = fs::absolute(logs / ("bench-" + std::to_string(qsos) + ".adi"));
  if (!fs::exists(log)) WriteBenchLog(qsos, log);
  const fs::path work = fs::absolute(logs / "work");
  const std::string statsHost = (program.parent_path() / "stats-host").string();
  Row row;
  row.qsos = qsos;
  row.fileMegabytes = static_cast<double>(fs::file_size(log)) / 1e6;
  for (int i = 0; i < runs; ++i) {
    const ChildRun cat = RunOnce({"/bin/cat", log.string()}, work);
    row.cat.Add(cat.cpuSeconds, cat.seconds, cat.peakKilobytes);
    const ChildRun floor =
        RunOnce({program.string(), "--floor", log.string()}, work, Output::kKept);
    double wall = 0;
    double cpu = 0;
    long before = 0;
    std::istringstream(floor.output) >> wall >> cpu >> before;
    row.floor.Add(cpu, wall, floor.peakKilobytes);
    row.store = std::max(row.store, floor.peakKilobytes - before);
    const ChildRun host = RunOnce({statsHost, "--dir", ".", log.string()}, work);
    row.host.Add(host.cpuSeconds, host.seconds, host.peakKilobytes);
    const ChildRun repeats = RunOnce({statsHost, "--repeats", "--dir", ".", log.string()}, work);
    row.repeats.Add(repeats.cpuSeconds, repeats.seconds, repeats.peakKilobytes);
  }
  return row;
}

std::string Megabytes(long kilobytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.0f MiB", static_cast<double>(kilobytes) / 1024);
  return text;
}

std::string Seconds(const Times& times) {
  char text[48];
  std::snprintf(text, sizeof text, "%.2f s (%.2f s)", times.Cpu(), times.Wall());
  return text;
}

void PrintTable(const std::vector<Row>& rows) {
  std::printf(
      "\nTimes: CPU, median of the runs (wall in brackets); ratios of CPU times.\n\n"
      "| QSOs | file | cat | floor | stats-host | ÷ floor | ÷ cat | --repeats | ÷ plain | "
      "store | peak | peak − store | peak --repeats |\n"
      "|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
  for (const Row& r : rows) {
    std::printf(
        "| %zu | %.0f MB | %s | %s | %s | %.2f× | %.0f× | %s | %.2f× | %s | %s | %s | %s |\n",
        r.qsos, r.fileMegabytes, Seconds(r.cat).c_str(), Seconds(r.floor).c_str(),
        Seconds(r.host).c_str(), r.host.Cpu() / r.floor.Cpu(), r.host.Cpu() / r.cat.Cpu(),
        Seconds(r.repeats).c_str(), r.repeats.Cpu() / r.host.Cpu(), Megabytes(r.store).c_str(),
        Megabytes(r.host.peak).c_str(), Megabytes(r.host.peak - r.store).c_str(),
        Megabytes(r.repeats.peak).c_str());
  }
}

void PrintGoals(const std::vector<Row>& rows) {
  std::printf("\nGoals:\n");
  for (const Row& r : rows) {
    if (r.qsos != kGoalSize) continue;
    const double ratio = r.host.Cpu() / r.floor.Cpu();
    std::printf("  stats-host <= %.1f x floor at %zu QSOs: %.2f x, %s\n", kSpeedGoal, r.qsos, ratio,
                ratio <= kSpeedGoal ? "met" : "NOT met");
  }
  for (const Row& r : rows) {
    const long extra = r.host.peak - r.store;
    std::printf("  peak <= store + 64 MiB at %zu QSOs: store + %s, %s\n", r.qsos,
                Megabytes(extra).c_str(), extra <= kMemoryGoalKilobytes ? "met" : "NOT met");
  }
  for (const Row& r : rows) {
    const double ratio = r.repeats.Cpu() / r.host.Cpu();
    std::printf("  --repeats <= %.1f x plain at %zu QSOs: %.2f x, %s\n", kRepeatsGoal, r.qsos,
                ratio, ratio <= kRepeatsGoal ? "met" : "NOT met");
  }
}

std::vector<std::size_t> ParseSizes(const std::string& text) {
  std::vector<std::size_t> sizes;
  std::istringstream in(text);
  std::string part;
  while (std::getline(in, part, ',')) sizes.push_back(std::stoul(part));
  return sizes;
}

int Table(int argc, char** argv) {
  std::vector<std::size_t> sizes = {10'000, 100'000, kGoalSize, 1'000'000};
  int runs = 3;
  fs::path logs = "bench-logs";
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--sizes") sizes = ParseSizes(argv[i + 1]);
    if (option == "--runs") runs = std::stoi(argv[i + 1]);
    if (option == "--logs") logs = argv[i + 1];
  }
  fs::create_directories(logs);
  const fs::path program = fs::canonical("/proc/self/exe");
  std::vector<Row> rows;
  for (const std::size_t size : sizes) {
    std::fprintf(stderr, "measuring %zu QSOs...\n", size);
    rows.push_back(MeasureSize(size, logs, program, runs));
  }
  PrintTable(rows);
  PrintGoals(rows);
  return 0;
}

}  // namespace
}  // namespace stats::bench

int main(int argc, char** argv) {
  try {
    if (argc == 3 && std::string(argv[1]) == "--floor") return stats::bench::Floor(argv[2]);
    return stats::bench::Table(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "host-bench: %s\n", error.what());
    return 1;
  }
}
