#pragma once

// The calendar of all our dates: civil dates of the Gregorian calendar (also
// before it was introduced), and days counted as the host's OLE Automation
// dates count them, from 30 December 1899 (day 0), negative before it.

namespace stats {

inline constexpr int kSecondsPerDay = 24 * 60 * 60;

// The first and the last day an OLE date can hold: 1 January 100 and
// 31 December 9999.
inline constexpr long kFirstOleDay = -657434;
inline constexpr long kLastOleDay = 2958465;

struct CivilDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31, within the month

  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

bool IsLeapYear(int year) noexcept;

// Days in the month (1..12) of the year.
int DaysInMonth(int year, int month) noexcept;

// The day number of the date, counted from 30 December 1899.
long DaysSinceOleEpoch(const CivilDate& date) noexcept;

// The date of a day counted as DaysSinceOleEpoch counts it.
CivilDate DateOfOleDay(long day) noexcept;

// The weekday of a day counted from 30 December 1899: 1 = Sunday .. 7 = Saturday.
int DayOfWeek(long day) noexcept;

// The day's place in its year: 1..366.
int DayOfYear(const CivilDate& date) noexcept;

}  // namespace stats
