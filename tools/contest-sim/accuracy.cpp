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

}  // namespace

Accuracy CompareWithTruth(const std::filesystem::path& truthFile,
                          const std::filesystem::path& checkFolder) {
  std::unordered_map<std::string, std::string> found;
  ForEachJsonLine(checkFolder / "verdicts.jsonl", [&](const nlohmann::json& verdict) {
    found[Key(verdict["log"], verdict["line"])] = verdict["verdict"];
  });
  std::unordered_map<std::string, std::int64_t> offsets;
  ForEachJsonLine(checkFolder / "logs.jsonl", [&](const nlohmann::json& log) {
    if (log.contains("clock_offset_s") && log["log"].is_string()) {
      offsets[log["log"]] = log["clock_offset_s"];
    }
  });
  Accuracy accuracy;
  ForEachJsonLine(truthFile, [&](const nlohmann::json& log) {
    const std::string call = log["log"];
    ++accuracy.logs;
    const auto offset = offsets.find(call);
    const std::int64_t error =
        offset == offsets.end()
            ? INT64_MAX
            : std::abs(offset->second - log["clock_offset_s"].get<std::int64_t>());
    accuracy.largestClockError = std::max(accuracy.largestClockError, error);
    if (error >= 60) ++accuracy.clocksOffByAMinute;
    for (const nlohmann::json& line : log["lines"]) {
      ++accuracy.lines;
      const std::string truth = line[1];
      ++accuracy.verdicts[truth].true_;
      const auto verdict = found.find(Key(call, line[0]));
      if (verdict == found.end()) {
        ++accuracy.missing;
        continue;
      }
      ++accuracy.verdicts[verdict->second].found;
      if (verdict->second == truth) ++accuracy.verdicts[truth].correct;
    }
  });
  return accuracy;
}

std::string AccuracyTable(const Accuracy& accuracy) {
  std::string table = "| verdict | true | found | precision | recall |\n|---|---|---|---|---|\n";
  char row[160];
  for (const auto& [verdict, counts] : accuracy.verdicts) {
    std::snprintf(row, sizeof row, "| %s | %llu | %llu | %.2f %% | %.2f %% |\n", verdict.c_str(),
                  static_cast<unsigned long long>(counts.true_),
                  static_cast<unsigned long long>(counts.found), 100 * counts.Precision(),
                  100 * counts.Recall());
    table += row;
  }
  std::snprintf(row, sizeof row,
                "\n%zu logs, %llu QSO lines (%llu without a verdict); clock offsets: %zu logs a "
                "minute or more off, the largest error %lld s\n",
                accuracy.logs, static_cast<unsigned long long>(accuracy.lines),
                static_cast<unsigned long long>(accuracy.missing), accuracy.clocksOffByAMinute,
                static_cast<long long>(accuracy.largestClockError));
  return table + row;
}

}  // namespace contest_sim
