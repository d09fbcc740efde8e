#pragma once

// The contest that the robot takes logs for, from the contest file in its
// data folder (DIR/contest.json, UTF-8):
//
//   {
//     "name": {"en": "Kesdra Velk Test 2024", "ru": "..."},  (or one text for both)
//     "period": {"from": "2024-02-18 15:00", "to": "2024-02-18 19:00"},
//     "deadline": "2024-03-03 23:59",
//     "late_logs": "mark",                 ("mark" takes them, marked late; "refuse")
//     "categories": ["SOAB-CW-LP", "SOAB-CW-HP", ...]
//   }
//
// Times are UTC to the minute; the period's end and the deadline are the
// first minute that no longer belongs to them.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "logs/text/report_language.h"

namespace logrobot {

inline constexpr std::string_view kContestFileName = "contest.json";

enum class LatePolicy { kMark, kRefuse };

struct ContestFile {
  std::string nameEnglish;
  std::string nameRussian;
  std::string from;  // as written: crosscheck takes them so
  std::string to;
  std::int64_t fromSeconds = 0;  // Unix seconds
  std::int64_t toSeconds = 0;
  std::int64_t deadline = 0;
  LatePolicy late = LatePolicy::kMark;
  std::vector<std::string> categories;

  const std::string& Name(logs::ReportLanguage language) const {
    return language == logs::ReportLanguage::kRussian ? nameRussian : nameEnglish;
  }
};

// The contest file's settings, or what is wrong with it.
std::variant<ContestFile, std::string> ParseContestFile(std::string_view json);

std::variant<ContestFile, std::string> ReadContestFile(const std::filesystem::path& dataFolder);

}  // namespace logrobot
