#pragma once

// The ADIF date and time of a QSO, checked, and the OLE Automation date the
// host passes for it (days since 30 December 1899 00:00, the fraction being the
// time of day).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace logs {

inline constexpr int kSecondsPerDay = 24 * 60 * 60;

struct QsoDate {
  int year = 0;   // 1900..9999
  int month = 0;  // 1..12
  int day = 0;    // 1..31, within the month
};

// The last moment whose date the plug-in writes, 31 December 9999 00:00 as an
// OLE date: it writes any later one as an empty date.
inline constexpr double kLastDateThePluginWrites = 2958465.0;

// "YYYYMMDD", a real calendar day of the years 1900 to 9999.
std::optional<QsoDate> ParseAdifDate(std::string_view text);

// "HHMM" or "HHMMSS" (00:00:00 to 23:59:59): the seconds since midnight.
std::optional<int> ParseAdifTime(std::string_view text);

// "YYYY-MM-DD", the form of the command line.
std::optional<QsoDate> ParseIsoDate(std::string_view text);

// Days from 30 December 1899 to the date, counted in whole days.
long DaysSinceOleEpoch(const QsoDate& date);

// The civil date of a day counted as DaysSinceOleEpoch counts it (1900 on).
QsoDate DateOfOleDay(long days);

// The moment as seconds since 30 December 1899 00:00, so that moments of
// different dates compare and subtract.
std::int64_t SecondsSinceOleEpoch(const QsoDate& date, int secondOfDay);

// "YYYY-MM-DD" and "HH:MM:SS", as the reports show a QSO's time.
std::string FormatIsoDate(const QsoDate& date);
std::string FormatTimeOfDay(int secondOfDay);

// The OLE date of the moment: whole days plus the second of the day / 86400.
double ToOleDate(const QsoDate& date, int secondOfDay);

}  // namespace logs
