#include "host/frequency.h"

#include <limits>

#include "host/ascii.h"

namespace host {
namespace {

constexpr int kHertzDecimals = 6;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::uint32_t> ParseFrequencyHz(std::string_view megahertz) {
  const std::string_view text = Trimmed(megahertz);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;

  std::uint64_t hertz = 0;
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
  for (const char c : whole) {
    if (!IsDigit(c)) return std::nullopt;
    hertz = hertz * 10 + static_cast<std::uint64_t>(c - '0');
    if (hertz > kMax) return std::nullopt;  // stops the loop long before the sum can wrap
  }
  for (int i = 0; i < kHertzDecimals; ++i) {
    const char c = i < static_cast<int>(fraction.size()) ? fraction[i] : '0';
    if (!IsDigit(c)) return std::nullopt;
    hertz = hertz * 10 + static_cast<std::uint64_t>(c - '0');
  }
  for (std::size_t i = kHertzDecimals; i < fraction.size(); ++i) {
    if (!IsDigit(fraction[i])) return std::nullopt;
  }
  if (hertz > kMax) return std::nullopt;
  return static_cast<std::uint32_t>(hertz);
}

}  // namespace host
