#pragma once

// OLE Automation dates made from calendar fields by plain day counting, as an
// independent check of the conversion under test.

#include <cstdint>

#include "stats/ole_date.h"
#include "stats/public/exports.h"

namespace stats::testing {

// Days from 1 January 1970 to the given civil date (proleptic Gregorian).
constexpr std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yoe = static_cast<unsigned>(year - era * 400);
  const unsigned doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// 30 December 1899 is OLE day 0 and lies 25569 days before 1 January 1970.
constexpr double OleDate(int year, int month, int day, int hour = 0, int minute = 0,
                         double second = 0.0) {
  const double days = static_cast<double>(DaysFromCivil(year, month, day) + 25569);
  return days + (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

inline OleDateTime ValidDate(double date) { return OleDateTime{date, 0}; }

inline StatsDateTime HostDate(double date, std::int32_t status = kStatsDateValid) {
  return StatsDateTime{date, status, 0};
}

}  // namespace stats::testing
