#pragma once

// The ADIF date and time of a QSO, checked, and the OLE Automation date the
// host passes for it (days since 30 December 1899 00:00, the fraction being the
// time of day). The calendar itself is stats/rules/calendar.h.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "stats/rules/calendar.h"

namespace logs {

// A QSO's date: a calendar day of the years 1900 to 9999.
using QsoDate = stats::CivilDate;

// "YYYYMMDD", a real calendar day of the years 1900 to 9999.
std::optional<QsoDate> ParseAdifDate(std::string_view text);

// "HHMM" or "HHMMSS" (00:00:00 to 23:59:59): the seconds since midnight.
std::optional<int> ParseAdifTime(std::string_view text);

// "YYYY-MM-DD", the form of the command line.
std::optional<QsoDate> ParseIsoDate(std::string_view text);

// The moment as seconds since 30 December 1899 00:00, so that moments of
// different dates compare and subtract.
std::int64_t SecondsSinceOleEpoch(const QsoDate& date, int secondOfDay);

// "YYYY-MM-DD" and "HH:MM:SS", as the reports show a QSO's time.
std::string FormatIsoDate(const QsoDate& date);
std::string FormatTimeOfDay(int secondOfDay);

// The OLE date of the moment: whole days plus the second of the day / 86400.
double ToOleDate(const QsoDate& date, int secondOfDay);

}  // namespace logs
