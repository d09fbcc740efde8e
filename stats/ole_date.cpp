#include "stats/ole_date.h"

#include <cmath>
#include <cstring>

#include "stats/rules/calendar.h"

namespace stats {
namespace {

constexpr double kHalfSecond = 0.5 / kSecondsPerDay;
constexpr std::size_t kMaxFormatted = 128;

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
  // epoch, backward otherwise; the day count truncates toward zero, and the
  // fraction counts forward from that day's midnight.
  double rounded = source + (source > 0.0 ? kHalfSecond : -kHalfSecond);
  const long day = static_cast<long>(rounded);
  rounded = std::fabs(rounded);
  const long secondOfDay = static_cast<long>((rounded - std::floor(rounded)) * kSecondsPerDay);

  const CivilDate date = DateOfOleDay(day);
  CalendarTime result;
  result.year = date.year;
  result.month = date.month;
  result.day = date.day;
  result.hour = static_cast<int>(secondOfDay / 3600);
  result.minute = static_cast<int>(secondOfDay / 60 % 60);
  result.second = static_cast<int>(secondOfDay % 60);
  result.dayOfWeek = DayOfWeek(day);
  result.dayOfYear = DayOfYear(date);
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
