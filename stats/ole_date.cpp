#include "stats/ole_date.h"

#include <cmath>
#include <cstring>

namespace stats {
namespace {

constexpr double kHalfSecond = 1.0 / 172800.0;
constexpr long kDaysFrom0001To1899 = 693959L;  // 1 January of year 0 to 30 December 1899
constexpr long kDaysIn400Years = 146097L;
constexpr long kDaysInCentury = 36524L;
constexpr long kDaysIn4Years = 1461L;
constexpr std::size_t kMaxFormatted = 128;

// Days before the first of each month in a year that is not a leap year.
constexpr int kMonthStart[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

void AppendNumber(std::string& out, int value, int width) {
  char digits[16];
  int count = 0;
  unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) out.push_back('-');
  for (int pad = count; pad < width; ++pad) out.push_back('0');
  while (count > 0) out.push_back(digits[--count]);
}

}  // namespace

OleDateTime ReadHostDateTime(const void* hostObject) noexcept {
  OleDateTime value;
  if (hostObject == nullptr) {
    value.status = static_cast<std::int32_t>(OleDateStatus::kNull);
    return value;
  }
  const auto* bytes = static_cast<const unsigned char*>(hostObject);
  std::memcpy(&value.date, bytes, sizeof value.date);
  std::memcpy(&value.status, bytes + 8, sizeof value.status);
  return value;
}

std::optional<CalendarTime> ToCalendarTime(const OleDateTime& value) noexcept {
  const double source = value.date;
  if (value.status != static_cast<std::int32_t>(OleDateStatus::kValid) || !std::isfinite(source) ||
      source > kMaxOleDate || source < kMinOleDate) {
    return std::nullopt;
  }

  // Round to the nearest second: half a second forward for dates after the
  // epoch, backward otherwise; the day count truncates toward zero.
  double rounded = source + (source > 0.0 ? kHalfSecond : -kHalfSecond);
  long daysAbsolute = static_cast<long>(rounded) + kDaysFrom0001To1899;
  rounded = std::fabs(rounded);
  const long secondsInDay = static_cast<long>((rounded - std::floor(rounded)) * 86400.0);

  CalendarTime result;
  result.dayOfWeek = static_cast<int>((daysAbsolute - 1) % 7L) + 1;

  const long years400 = daysAbsolute / kDaysIn400Years;
  daysAbsolute %= kDaysIn400Years;
  const long century = (daysAbsolute - 1) / kDaysInCentury;  // the first century has an extra day

  long years4 = 0;
  long dayIn4Years = 0;
  bool leap4 = true;  // whether this 4-year block starts with a leap year
  if (century != 0) {
    daysAbsolute = (daysAbsolute - 1) % kDaysInCentury;
    years4 = (daysAbsolute + 1) / kDaysIn4Years;  // the first block of a century has 1460 days
    if (years4 != 0) {
      dayIn4Years = (daysAbsolute + 1) % kDaysIn4Years;
    } else {
      leap4 = false;
      dayIn4Years = daysAbsolute;
    }
  } else {
    years4 = daysAbsolute / kDaysIn4Years;
    dayIn4Years = daysAbsolute % kDaysIn4Years;
  }

  long yearIn4 = 0;
  long dayOfYear = dayIn4Years;
  if (leap4) {
    yearIn4 = (dayIn4Years - 1) / 365;  // the first year has 366 days
    if (yearIn4 != 0) dayOfYear = (dayIn4Years - 1) % 365;
  } else {
    yearIn4 = dayIn4Years / 365;
    dayOfYear = dayIn4Years % 365;
  }

  result.dayOfYear = static_cast<int>(dayOfYear) + 1;
  result.year = static_cast<int>(years400 * 400 + century * 100 + years4 * 4 + yearIn4);

  bool february29 = false;
  if (yearIn4 == 0 && leap4) {
    if (dayOfYear == 59) {
      february29 = true;
    } else if (dayOfYear >= 60) {
      --dayOfYear;  // from here on count as in a common year
    }
  }
  if (february29) {
    result.month = 2;
    result.day = 29;
  } else {
    const int day1 = static_cast<int>(dayOfYear) + 1;
    int month = (day1 >> 5) + 1;
    while (day1 > kMonthStart[month]) ++month;
    result.month = month;
    result.day = day1 - kMonthStart[month - 1];
  }

  result.second = static_cast<int>(secondsInDay % 60L);
  const long minutesInDay = secondsInDay / 60L;
  result.minute = static_cast<int>(minutesInDay % 60L);
  result.hour = static_cast<int>(minutesInDay / 60L);
  return result;
}

bool SameSecond(const OleDateTime& left, const OleDateTime& right) noexcept {
  return ToCalendarTime(left) == ToCalendarTime(right);
}

std::string FormatOleDateTime(const OleDateTime& value, std::string_view pattern) {
  const std::optional<CalendarTime> time = ToCalendarTime(value);
  std::string out;
  if (!time) return out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 == pattern.size()) {
      out.push_back(pattern[i]);
      continue;
    }
    switch (pattern[++i]) {
      case 'Y':
        AppendNumber(out, time->year, 4);
        break;
      case 'm':
        AppendNumber(out, time->month, 2);
        break;
      case 'd':
        AppendNumber(out, time->day, 2);
        break;
      case 'H':
        AppendNumber(out, time->hour, 2);
        break;
      case 'M':
        AppendNumber(out, time->minute, 2);
        break;
      case 'S':
        AppendNumber(out, time->second, 2);
        break;
      case '%':
        out.push_back('%');
        break;
      default:
        out.push_back('%');
        out.push_back(pattern[i]);
        break;
    }
  }
  if (out.size() > kMaxFormatted) out.resize(kMaxFormatted);
  return out;
}

}  // namespace stats
