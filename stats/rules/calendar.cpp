#include "stats/rules/calendar.h"

namespace stats {
namespace {

// The day computations count from 1 March of year 0, so that a leap day ends
// its year; the Gregorian calendar repeats every 400 years.
constexpr long kDaysIn400Years = 146097;
constexpr long kOleDayOfMarch0 = -693899;  // 1 March of year 0

// 400-year blocks before `value`, rounding down also for negative values.
constexpr long Eras(long value, long length) {
  return (value >= 0 ? value : value - (length - 1)) / length;
}

}  // namespace

bool IsLeapYear(int year) noexcept { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) noexcept {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

long DaysSinceOleEpoch(const CivilDate& date) noexcept {
  const long year = date.month <= 2 ? date.year - 1L : date.year;  // years begin in March
  const long era = Eras(year, 400);
  const long yearOfEra = year - era * 400;
  const long dayOfYear =
      (153L * (date.month > 2 ? date.month - 3 : date.month + 9) + 2) / 5 + date.day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * kDaysIn400Years + dayOfEra + kOleDayOfMarch0;
}

CivilDate DateOfOleDay(long day) noexcept {
  const long shifted = day - kOleDayOfMarch0;
  const long era = Eras(shifted, kDaysIn400Years);
  const long dayOfEra = shifted - era * kDaysIn400Years;
  const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long shiftedMonth = (5 * dayOfYear + 2) / 153;
  const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  return CivilDate{static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0)), month,
                   static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1)};
}

int DayOfWeek(long day) noexcept {
  const long sinceSunday = (day + 6) % 7;  // 31 December 1899 was a Sunday
  return static_cast<int>(sinceSunday < 0 ? sinceSunday + 7 : sinceSunday) + 1;
}

int DayOfYear(const CivilDate& date) noexcept {
  return static_cast<int>(DaysSinceOleEpoch(date) - DaysSinceOleEpoch({date.year, 1, 1})) + 1;
}

}  // namespace stats
