#include "logrobot/contest/utc_minute.h"

#include <cstdio>

#include "logs/time/qso_date.h"

namespace logrobot {

std::optional<std::int64_t> ParseUtcMinute(std::string_view text) {
  if (text.size() != 16 || text[10] != ' ' || text[13] != ':') return std::nullopt;
  const auto date = logs::ParseIsoDate(text.substr(0, 10));
  const std::string hhmm = std::string(text.substr(11, 2)) + std::string(text.substr(14, 2));
  const auto second = logs::ParseAdifTime(hhmm);
  if (!date || !second) return std::nullopt;
  return logs::SecondsSinceOleEpoch(*date, *second) - kOleEpochToUnixSeconds;
}

std::string FormatUtcMinute(std::int64_t unixSeconds) {
  const std::int64_t ole = unixSeconds + kOleEpochToUnixSeconds;
  std::int64_t day = ole / stats::kSecondsPerDay;
  if (ole % stats::kSecondsPerDay < 0) --day;
  const auto secondOfDay = static_cast<int>(ole - day * stats::kSecondsPerDay);
  const logs::QsoDate date = stats::DateOfOleDay(static_cast<long>(day));
  char text[24];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", date.year, date.month, date.day,
                secondOfDay / 3600, secondOfDay / 60 % 60);
  return text;
}

}  // namespace logrobot
