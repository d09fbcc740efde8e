#pragma once

// How well a check found the truth of a simulated contest: precision and
// recall of each verdict over the QSO lines, the right call named for the
// busted calls, each log's clock (the offset the check applied to each of its
// lines against the true one) and each log's checked score against the true
// one; and the commonest disagreements, with an example of each.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace contest_sim {

struct VerdictCounts {
  std::uint64_t found = 0;    // lines the check gave this verdict
  std::uint64_t true_ = 0;    // lines whose true verdict it is
  std::uint64_t correct = 0;  // both

  double Precision() const { return found == 0 ? 1.0 : static_cast<double>(correct) / found; }
  double Recall() const { return true_ == 0 ? 1.0 : static_cast<double>(correct) / true_; }
};

struct Disagreement {
  std::uint64_t lines = 0;
  std::string example;  // "LOG line N"
};

struct Accuracy {
  std::map<std::string, VerdictCounts> verdicts;
  std::uint64_t lines = 0;
  std::uint64_t right = 0;    // lines whose verdict is the true one
  std::uint64_t missing = 0;  // lines of the truth without a verdict
  std::uint64_t bustedCalls = 0;
  std::uint64_t rightCallNamed = 0;  // of them
  std::size_t logs = 0;
  std::size_t clocksWithin30s = 0;  // logs whose every line's offset was within 30 s
  std::int64_t largestClockError = 0;
  std::string largestClockErrorLog;
  std::size_t scoresRight = 0;
  // (true verdict, found verdict) -> how often, with an example.
  std::map<std::pair<std::string, std::string>, Disagreement> disagreements;

  double Share(std::uint64_t part, std::uint64_t whole) const {
    return whole == 0 ? 1.0 : static_cast<double>(part) / static_cast<double>(whole);
  }
};

// Reads truth.jsonl of the simulation and verdicts.jsonl and logs.jsonl of
// the check's output folder. Throws std::runtime_error for a file that can
// not be read.
Accuracy CompareWithTruth(const std::filesystem::path& truthFile,
                          const std::filesystem::path& checkFolder);

// As Markdown: one row per verdict, then the busted calls, clocks and
// scores, then the commonest disagreements.
std::string AccuracyTable(const Accuracy& accuracy);

}  // namespace contest_sim
