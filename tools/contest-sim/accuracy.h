#pragma once

// How well a check found the truth of a simulated contest: precision and
// recall of each verdict over the QSO lines, and how far each log's clock
// offset was from the true one.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace contest_sim {

struct VerdictCounts {
  std::uint64_t found = 0;    // lines the check gave this verdict
  std::uint64_t true_ = 0;    // lines whose true verdict it is
  std::uint64_t correct = 0;  // both

  double Precision() const { return found == 0 ? 1.0 : static_cast<double>(correct) / found; }
  double Recall() const { return true_ == 0 ? 1.0 : static_cast<double>(correct) / true_; }
};

struct Accuracy {
  std::map<std::string, VerdictCounts> verdicts;
  std::uint64_t lines = 0;
  std::uint64_t missing = 0;  // lines of the truth without a verdict
  std::size_t logs = 0;
  std::size_t clocksOffByAMinute = 0;  // logs whose offset is 60 s or more from the truth
  std::int64_t largestClockError = 0;
};

// Reads truth.jsonl of the simulation and verdicts.jsonl and logs.jsonl of
// the check's output folder. Throws std::runtime_error for a file that can
// not be read.
Accuracy CompareWithTruth(const std::filesystem::path& truthFile,
                          const std::filesystem::path& checkFolder);

// As a Markdown table: one row per verdict, then the clocks.
std::string AccuracyTable(const Accuracy& accuracy);

}  // namespace contest_sim
