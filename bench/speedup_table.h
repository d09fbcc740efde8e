#pragma once

// A reporter that passes every run on to the usual display and keeps, for the
// benchmarks named "<operation>/<subject>/<QSOs>", the median CPU time per
// iteration; afterwards it prints ours beside the baseline with the speed-up.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace stats::bench {

inline constexpr const char* kOurs = "ours";
inline constexpr const char* kBaseline = "baseline";

std::string BenchmarkName(const std::string& operation, const std::string& subject,
                          std::size_t size);

class SpeedupTable : public benchmark::BenchmarkReporter {
 public:
  explicit SpeedupTable(benchmark::BenchmarkReporter& display) : display_(display) {}

  bool ReportContext(const Context& context) override;
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

  // Median CPU time per iteration, in nanoseconds.
  std::optional<double> Median(const std::string& operation, const std::string& subject,
                               std::size_t size) const;
  void Print(std::ostream& out) const;

 private:
  using Key = std::tuple<std::string, std::string, std::size_t>;

  benchmark::BenchmarkReporter& display_;
  std::map<Key, double> medians_;
  std::vector<std::string> operations_;  // in the order they ran
};

// "850 ns", "12.3 µs", "4.56 ms", or "-" for nothing.
std::string FormatNanoseconds(std::optional<double> nanoseconds);

}  // namespace stats::bench
