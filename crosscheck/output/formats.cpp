#include "crosscheck/output/formats.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "host/ole_date.h"

namespace crosscheck {

std::string FormatQsoTime(std::int64_t seconds) {
  const std::int64_t day = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
  const std::int64_t second = seconds - day * 86400;
  const host::QsoDate date = host::DateOfOleDay(static_cast<long>(day));
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d%02d", date.year, date.month, date.day,
                static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60));
  std::string formatted = text;
  if (second % 60 != 0) {
    std::snprintf(text, sizeof text, "%02d", static_cast<int>(second % 60));
    formatted += text;
  }
  return formatted;
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
  return (seconds > 0 ? "+" : seconds < 0 ? "-" : "") + FormatDuration(seconds);
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
  return (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + "." +
         std::to_string(magnitude % 10);
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
  for (const char c : call) {
    const bool kept =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    name += kept ? c : '_';
  }
  return name.empty() ? std::string("_") : name;
}

}  // namespace crosscheck
