#include "logs/time/qso_date.h"

#include <cstdio>

namespace logs {
namespace {

// The value of `count` decimal digits at the start of `text`, or -1.
int Digits(std::string_view text, std::size_t first, std::size_t count) {
  int value = 0;
  for (std::size_t i = first; i < first + count; ++i) {
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

std::optional<QsoDate> CheckedDate(int year, int month, int day) {
  if (year < 1900 || year > 9999 || month < 1 || month > 12) return std::nullopt;
  if (day < 1 || day > stats::DaysInMonth(year, month)) return std::nullopt;
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

std::int64_t SecondsSinceOleEpoch(const QsoDate& date, int secondOfDay) {
  return std::int64_t{stats::DaysSinceOleEpoch(date)} * stats::kSecondsPerDay + secondOfDay;
}

double ToOleDate(const QsoDate& date, int secondOfDay) {
  return static_cast<double>(stats::DaysSinceOleEpoch(date)) +
         static_cast<double>(secondOfDay) / stats::kSecondsPerDay;
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
