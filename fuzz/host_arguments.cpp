#include "fuzz/host_arguments.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>
#include <string_view>
#include <vector>

#include "tests/support/ole_dates.h"

namespace fuzz {
namespace {

// Contest data, Windows-1251 and broken bytes, and the separators of the
// files the plug-in writes.
const std::vector<std::string_view> kTokens = {"UA1AAA",
                                               "DL1ABC",
                                               "R3A/P",
                                               "UA3\\X",
                                               " ",
                                               "  UA1  ",
                                               "\xD0\xC0\xC4\xC8\xCE",
                                               "\xC3\x28",
                                               "\xFF\xFE",
                                               "CW",
                                               "SSB",
                                               "BPSK63",
                                               "BPSK62",
                                               "cw",
                                               "BPSK31",
                                               "FM",
                                               "160",
                                               "80",
                                               "40",
                                               "7",
                                               "07",
                                               "00000000000000000007",
                                               "2m",
                                               "001",
                                               "W015",
                                               "w015",
                                               "599",
                                               "0599",
                                               "W",
                                               "1234",
                                               "12345",
                                               "",
                                               "\t",
                                               "\r\n",
                                               "\r",
                                               "\n",
                                               "<CR>",
                                               "<LF>",
                                               "=",
                                               "[Settings]",
                                               ";",
                                               ".cbr",
                                               "/",
                                               "\\",
                                               "..",
                                               "%s%n%d"};

constexpr std::size_t kLongTextLimit = 12000;

std::string LongText(FuzzInput& input) {
  const std::string_view unit = input.Pick(kTokens);
  const std::size_t count = (static_cast<std::size_t>(input.Byte()) + 1) * 48;
  std::string text;
  for (std::size_t i = 0; i < count && text.size() < kLongTextLimit; ++i) text += unit;
  if (text.empty()) text.assign(kLongTextLimit, 'W');
  return text;
}

std::string DayText(int year, int month, int day) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", day, month, year);
  return text;
}

bool HasCalendarTime(const StatsDateTime& value) {
  return value.status == kStatsDateValid && std::isfinite(value.date) &&
         value.date >= stats::kMinOleDate && value.date <= stats::kMaxOleDate;
}

// A date made from calendar fields after 30 December 1899, where the OLE
// date's fraction is plainly the time of day. Seconds stop at 58 so that the
// rounding to whole seconds never reaches the next hour.
HostDate CalendarDate(int year, int month, int day, int hour, FuzzInput& input) {
  HostDate date;
  const int minute = input.Byte() % 60;
  const int second = input.Byte() % 59;
  date.value =
      stats::testing::HostDate(stats::testing::OleDate(year, month, day, hour, minute, second));
  date.valid = true;
  date.hour = hour;
  date.dayText = DayText(year, month, day);
  return date;
}

const std::vector<double> kRemarkableDates = {-657434.0,
                                              std::nextafter(-657434.0, -1e9),
                                              2958465.0,
                                              2958465.5,
                                              2958466.0,
                                              0.0,
                                              -0.0,
                                              -0.5,
                                              -1.25,
                                              1e-300,
                                              4.9e-324,
                                              -1e18,
                                              1e18,
                                              1e300,
                                              -1e300,
                                              std::numeric_limits<double>::quiet_NaN(),
                                              std::numeric_limits<double>::signaling_NaN(),
                                              std::numeric_limits<double>::infinity(),
                                              -std::numeric_limits<double>::infinity()};

std::int32_t NextStatus(FuzzInput& input) {
  switch (input.Byte() % 8) {
    case 5:
      return kStatsDateInvalid;
    case 6:
      return kStatsDateNull;
    case 7:
      return static_cast<std::int32_t>(input.U32());
    default:
      return kStatsDateValid;
  }
}

}  // namespace

HostText::HostText(std::string text) : text_(std::move(text)), null_(false) {
  text_.resize(std::char_traits<char>::length(text_.c_str()));  // the host's text ends at a zero
}

HostText NextText(FuzzInput& input) {
  switch (input.Byte() % 10) {
    case 0:
    case 1:
    case 2:
      return HostText(std::string(input.Pick(kTokens)));
    case 3:
    case 4:
    case 5:
      return HostText(input.ShortText());
    case 6: {
      std::string text(input.Pick(kTokens));
      text += input.Pick(kTokens);
      text += input.ShortText();
      return HostText(std::move(text));
    }
    case 7:
      return HostText(LongText(input));
    case 8:
      return HostText(std::string());
    default:
      return HostText();
  }
}

UtcNow ReadUtcNow() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  ::gmtime_r(&now, &utc);
  return UtcNow{utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour};
}

HostDate NextDate(FuzzInput& input, const UtcNow& now) {
  HostDate date;
  switch (input.Byte() % 8) {
    case 0:
    case 1:
      return CalendarDate(now.year, now.month, now.day, now.hour, input);
    case 2: {
      const int year = 1900 + static_cast<int>(input.U32() % 8100);
      const int month = 1 + input.Byte() % 12;
      const int day = 1 + input.Byte() % 28;
      return CalendarDate(year, month, day, input.Byte() % 24, input);
    }
    case 3:
      date.value.date = input.Pick(kRemarkableDates);
      break;
    case 4:
    case 5:
      date.value.date = input.RawDouble();
      break;
    case 6:
      date.null = true;
      return date;
    default:
      date.value.date = input.Pick(kRemarkableDates) + static_cast<double>(input.Byte()) / 7.0;
      break;
  }
  date.value.status = NextStatus(input);
  date.value.padding = static_cast<std::int32_t>(input.U32());
  date.valid = HasCalendarTime(date.value);
  return date;
}

}  // namespace fuzz
