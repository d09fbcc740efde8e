#include "logs/time/qso_date.h"

#include <cstdio>

namespace logs {
namespace {

constexpr long kOleDayOf1970 = 25569;  // 1 January 1970

// The value of `count` decimal digits at the start of `text`, or -1.
int Digits(std::string_view text, std::size_t first, std::size_t count) {
  int value = 0;
  for (std::size_t i = first; i < first + count; ++i) {
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<QsoDate> CheckedDate(int year, int month, int day) {
  if (year < 1900 || year > 9999 || month < 1 || month > 12) return std::nullopt;
  if (day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
  return QsoDate{year, month, day};
}

}  // namespace

std::optional<QsoDate> ParseAdifDate(std::string_view text) {
  if (text.size() != 8) return std::nullopt;
  return CheckedDate(Digits(text, 0, 4), Digits(text, 4, 2), Digits(text, 6, 2));
}

std::optional<int> ParseAdifTime(std::string_view text) {
  if (text.size() != 4 && text.size() != 6) return std::nullopt;
  const int hour = Digits(text, 0, 2);
  const int minute = Digits(text, 2, 2);
  const int second = text.size() == 6 ? Digits(text, 4, 2) : 0;
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    return std::nullopt;
  }
  return (hour * 60 + minute) * 60 + second;
}

std::optional<QsoDate> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  return CheckedDate(Digits(text, 0, 4), Digits(text, 5, 2), Digits(text, 8, 2));
}

// Civil date to a day number (proleptic Gregorian calendar, eras of 400 years).
long DaysSinceOleEpoch(const QsoDate& date) {
  const int year = date.month <= 2 ? date.year - 1 : date.year;
  const long era = year / 400;  // years from 1900 on: never negative
  const long yearOfEra = year - era * 400;
  const long shiftedMonth = date.month > 2 ? date.month - 3 : date.month + 9;
  const long dayOfYear = (153 * shiftedMonth + 2) / 5 + date.day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const long daysSince1970 = era * 146097 + dayOfEra - 719468;
  return daysSince1970 + kOleDayOf1970;
}

QsoDate DateOfOleDay(long days) {
  const long shifted = days - kOleDayOf1970 + 719468;  // days since 1 March of year 0
  const long era = shifted / 146097;
  const long dayOfEra = shifted - era * 146097;
  const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long shiftedMonth = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return QsoDate{year, month, day};
}

std::int64_t SecondsSinceOleEpoch(const QsoDate& date, int secondOfDay) {
  return std::int64_t{DaysSinceOleEpoch(date)} * kSecondsPerDay + secondOfDay;
}

double ToOleDate(const QsoDate& date, int secondOfDay) {
  return static_cast<double>(DaysSinceOleEpoch(date)) +
         static_cast<double>(secondOfDay) / kSecondsPerDay;
}

std::string FormatIsoDate(const QsoDate& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

std::string FormatTimeOfDay(int secondOfDay) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", secondOfDay / 3600, secondOfDay / 60 % 60,
                secondOfDay % 60);
  return text;
}

}  // namespace logs
