#include "tools/contest-sim/accuracy.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <unordered_map>

namespace contest_sim {
namespace {

template <typename Take>
void ForEachJsonLine(const std::filesystem::path& path, Take take) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("can not read " + path.string());
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty()) take(nlohmann::json::parse(line));
  }
}

std::string Key(const std::string& log, std::uint64_t line) {
  return log + "#" + std::to_string(line);
}

// The offset the check applied to a log's lines: one, or from given lines on
// another.
struct AppliedClock {
  std::int64_t offset = 0;
  std::vector<std::pair<std::uint64_t, std::int64_t>> changes;  // from line, offset

  std::int64_t At(std::uint64_t line) const {
    std::int64_t applied = offset;
    for (const auto& [from, changed] : changes) {
      if (line >= from) applied = changed;
    }
    return applied;
  }
};

struct Found {
  std::string verdict;
  std::string correctCall;
};

}  // namespace

Accuracy CompareWithTruth(const std::filesystem::path& truthFile,
                          const std::filesystem::path& checkFolder) {
  std::unordered_map<std::string, Found> found;
  ForEachJsonLine(checkFolder / "verdicts.jsonl", [&](const nlohmann::json& verdict) {
    Found line{verdict["verdict"], {}};
    if (verdict.contains("correct_call")) line.correctCall = verdict["correct_call"];
    found[Key(verdict["log"], verdict["line"])] = std::move(line);
  });
  std::unordered_map<std::string, AppliedClock> clocks;
  std::unordered_map<std::string, std::int64_t> scores;
  ForEachJsonLine(checkFolder / "logs.jsonl", [&](const nlohmann::json& log) {
    if (!log["log"].is_string() || !log.contains("clock_offset_s")) return;
    AppliedClock& clock = clocks[log["log"]];
    clock.offset = log["clock_offset_s"];
    if (log.contains("clock_changes")) {
      for (const nlohmann::json& change : log["clock_changes"]) {
        clock.changes.emplace_back(change["from_line"], change["offset_s"]);
      }
    }
    scores[log["log"]] = log["checked"];
  });
  Accuracy accuracy;
  ForEachJsonLine(truthFile, [&](const nlohmann::json& log) {
    const std::string call = log["log"];
    ++accuracy.logs;
    const auto score = scores.find(call);
    if (score != scores.end() && score->second == log["score"]) ++accuracy.scoresRight;
    const auto clock = clocks.find(call);
    std::int64_t clockError = clock == clocks.end() ? INT64_MAX : 0;
    for (const nlohmann::json& line : log["lines"]) {
      ++accuracy.lines;
      const std::string truth = line[1];
      ++accuracy.verdicts[truth].true_;
      if (truth == "busted-call") ++accuracy.bustedCalls;
      const auto verdict = found.find(Key(call, line[0]));
      if (verdict == found.end()) {
        ++accuracy.missing;
        continue;
      }
      const Found& check = verdict->second;
      ++accuracy.verdicts[check.verdict].found;
      if (check.verdict == truth) {
        ++accuracy.verdicts[truth].correct;
        ++accuracy.right;
        if (truth == "busted-call" && line[2] == check.correctCall) ++accuracy.rightCallNamed;
      } else {
        Disagreement& disagreement = accuracy.disagreements[{truth, check.verdict}];
        if (disagreement.lines++ == 0) {
          disagreement.example = call + " line " + std::to_string(line[0].get<std::uint64_t>());
        }
      }
      if (clock != clocks.end()) {
        const std::int64_t applied = clock->second.At(line[0]);
        clockError = std::max(clockError, std::abs(applied - line[3].get<std::int64_t>()));
      }
    }
    if (clockError <= 30) ++accuracy.clocksWithin30s;
    if (clockError > accuracy.largestClockError) {
      accuracy.largestClockError = clockError;
      accuracy.largestClockErrorLog = call;
    }
  });
  return accuracy;
}

std::string AccuracyTable(const Accuracy& accuracy) {
  std::string table = "| verdict | true | found | precision | recall |\n|---|---|---|---|---|\n";
  char row[512];
  for (const auto& [verdict, counts] : accuracy.verdicts) {
    std::snprintf(row, sizeof row, "| %s | %llu | %llu | %.2f %% | %.2f %% |\n", verdict.c_str(),
                  static_cast<unsigned long long>(counts.true_),
                  static_cast<unsigned long long>(counts.found), 100 * counts.Precision(),
                  100 * counts.Recall());
    table += row;
  }
  std::snprintf(row, sizeof row,
                "\n%zu logs, %llu QSO lines (%llu without a verdict)\n"
                "verdicts right: %.3f %%\n"
                "busted calls with the right call named: %.2f %% of %llu\n"
                "clocks within 30 s on every line: %zu of %zu logs (the largest error %lld s, %s)\n"
                "checked score equal to the true one: %zu of %zu logs (%.2f %%)\n",
                accuracy.logs, static_cast<unsigned long long>(accuracy.lines),
                static_cast<unsigned long long>(accuracy.missing),
                100 * accuracy.Share(accuracy.right, accuracy.lines),
                100 * accuracy.Share(accuracy.rightCallNamed, accuracy.bustedCalls),
                static_cast<unsigned long long>(accuracy.bustedCalls), accuracy.clocksWithin30s,
                accuracy.logs, static_cast<long long>(accuracy.largestClockError),
                accuracy.largestClockErrorLog.c_str(), accuracy.scoresRight, accuracy.logs,
                100 * accuracy.Share(accuracy.scoresRight, accuracy.logs));
  table += row;
  std::vector<std::pair<std::pair<std::string, std::string>, Disagreement>> worst(
      accuracy.disagreements.begin(), accuracy.disagreements.end());
  std::sort(worst.begin(), worst.end(),
            [](const auto& a, const auto& b) { return a.second.lines > b.second.lines; });
  if (worst.size() > 8) worst.resize(8);
  if (!worst.empty()) table += "\n| true | found | lines | for example |\n|---|---|---|---|\n";
  for (const auto& [verdicts, disagreement] : worst) {
    std::snprintf(row, sizeof row, "| %s | %s | %llu | %s |\n", verdicts.first.c_str(),
                  verdicts.second.c_str(), static_cast<unsigned long long>(disagreement.lines),
                  disagreement.example.c_str());
    table += row;
  }
  return table;
}

}  // namespace contest_sim
