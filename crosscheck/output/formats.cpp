#include "crosscheck/output/formats.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "logs/time/qso_date.h"

namespace crosscheck {

std::string FormatQsoTime(std::int64_t seconds) {
  std::string text;
  AppendQsoTime(text, seconds);
  return text;
}

// Without printf: verdicts.jsonl writes millions of these.
void AppendQsoTime(std::string& text, std::int64_t seconds) {
  const auto digits = [&](long value, int count) {
    char buffer[8];
    for (int i = count - 1; i >= 0; --i, value /= 10)
      buffer[i] = static_cast<char>('0' + value % 10);
    text.append(buffer, static_cast<std::size_t>(count));
  };
  constexpr std::int64_t kDay = stats::kSecondsPerDay;
  const std::int64_t day = seconds >= 0 ? seconds / kDay : -((-seconds + kDay - 1) / kDay);
  const long second = static_cast<long>(seconds - day * kDay);
  const logs::QsoDate date = stats::DateOfOleDay(static_cast<long>(day));
  digits(date.year, 4);
  text += '-';
  digits(date.month, 2);
  text += '-';
  digits(date.day, 2);
  text += ' ';
  digits(second / 3600, 2);
  digits(second / 60 % 60, 2);
  if (second % 60 != 0) digits(second % 60, 2);
}

std::string FormatDuration(std::int64_t seconds) {
  const std::uint64_t magnitude =
      seconds < 0 ? 0 - static_cast<std::uint64_t>(seconds) : static_cast<std::uint64_t>(seconds);
  char text[40];
  std::snprintf(text, sizeof text, "%llu:%02u:%02u",
                static_cast<unsigned long long>(magnitude / 3600),
                static_cast<unsigned>(magnitude / 60 % 60), static_cast<unsigned>(magnitude % 60));
  return text;
}

std::string FormatOffset(std::int64_t seconds) {
  std::string offset(seconds > 0 ? "+" : seconds < 0 ? "-" : "");
  return offset.append(FormatDuration(seconds));
}

std::optional<std::int64_t> ReductionTenths(std::optional<std::int64_t> claimed,
                                            std::int64_t checked) {
  // Beyond this a claimed score is nonsense, and tenths of it would not fit.
  constexpr std::int64_t kLargest = 1'000'000'000'000'000;
  if (!claimed || *claimed <= 0 || *claimed > kLargest) return std::nullopt;
  // Tenths of a percent, rounded half away from zero.
  const std::int64_t difference = *claimed - checked;
  const std::int64_t magnitude = difference < 0 ? -difference : difference;
  const std::int64_t tenths = (magnitude * 2000 + *claimed) / (2 * *claimed);
  return difference < 0 ? -tenths : tenths;
}

std::string TenthsText(std::int64_t tenths) {
  const std::int64_t magnitude = tenths < 0 ? -tenths : tenths;
  std::string text(tenths < 0 ? "-" : "");
  return text.append(std::to_string(magnitude / 10))
      .append(".")
      .append(std::to_string(magnitude % 10));
}

std::string Percent(std::uint64_t part, std::uint64_t whole) {
  const std::uint64_t tenths = whole == 0 ? 0 : (part * 2000 + whole) / (2 * whole);
  return TenthsText(static_cast<std::int64_t>(tenths)) + " %";
}

std::string JsonString(std::string_view text) {
  return nlohmann::json(std::string(text))
      .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string FileNameOfCall(std::string_view call) {
  std::string name;
  for (const char c : call.substr(0, kMaxFileNameOfCall)) {
    const bool kept =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    name += kept ? c : '_';
  }
  return name.empty() ? std::string("_") : name;
}

}  // namespace crosscheck
