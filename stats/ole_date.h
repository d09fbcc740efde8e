#pragma once

// The host's date-time value: an OLE Automation date (days since 30 December
// 1899 00:00, the fraction being the time of day; for negative dates the
// fraction still counts forward from midnight) and a status. Calendar fields
// are derived the way the host's date-time type derives them, rounded to the
// nearest second.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "stats/rules/calendar.h"

namespace stats {

enum class OleDateStatus : std::int32_t { kValid = 0, kInvalid = 1, kNull = 2 };

struct OleDateTime {
  double date = 0.0;
  std::int32_t status = 0;  // OleDateStatus as the host stores it; any other value is not valid
};

struct CalendarTime {
  int year = 0;
  int month = 0;      // 1..12
  int day = 0;        // 1..31
  int hour = 0;       // 0..23
  int minute = 0;     // 0..59
  int second = 0;     // 0..59
  int dayOfWeek = 0;  // 1 = Sunday .. 7 = Saturday
  int dayOfYear = 0;  // 1..366

  friend bool operator==(const CalendarTime&, const CalendarTime&) = default;
};

inline constexpr double kMinOleDate = kFirstOleDay;
inline constexpr double kMaxOleDate = kLastOleDay;

// Copies the date and status from the host's object (date at offset 0, status
// at offset 8). A null pointer gives a null date-time.
OleDateTime ReadHostDateTime(const void* hostObject) noexcept;

// The calendar fields, or nothing when the status is not valid, the date is
// NaN or infinite, or it lies outside kMinOleDate..kMaxOleDate.
std::optional<CalendarTime> ToCalendarTime(const OleDateTime& value) noexcept;

// Whether both have the same calendar time, to the second, or neither has one.
bool SameSecond(const OleDateTime& left, const OleDateTime& right) noexcept;

// Formats with a strftime-style pattern; supports %Y %m %d %H %M %S and %%,
// other characters are copied. Empty when there is no calendar time. The result
// is at most 128 characters, as the host's formatting buffer holds.
std::string FormatOleDateTime(const OleDateTime& value, std::string_view pattern);

}  // namespace stats
