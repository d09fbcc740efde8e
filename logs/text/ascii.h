#pragma once

// ASCII-only text helpers: bytes above 127 (Windows-1251, UTF-8) stay as they are.

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace logs {

constexpr char ToUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
constexpr char ToLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Bytes 0 to 31 and 127: they would cut a text (NUL) or break a line.
constexpr bool IsControlByte(char c) { return static_cast<unsigned char>(c) < 32 || c == 127; }

inline std::string UpperCopy(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = ToUpper(c);
  return result;
}

inline std::string LowerCopy(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = ToLower(c);
  return result;
}

// Without leading and trailing spaces, tabs, CR and LF.
inline std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  if (text.empty() || (!blank(text.front()) && !blank(text.back()))) return text;
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// One digit 0 to 9 or more, and nothing else.
inline bool IsDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// GroupedDigits with this never groups.
inline constexpr std::size_t kUngrouped = std::numeric_limits<std::size_t>::max();

// Digits in groups of three from the right, `separator` between them ("10 220"),
// when there are `shortest` of them or more; any other text as it is.
inline std::string GroupedDigits(std::string_view text, std::size_t shortest,
                                 std::string_view separator = " ") {
  if (text.size() < shortest || !IsDigits(text)) return std::string(text);
  std::string grouped;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i > 0 && (text.size() - i) % 3 == 0) grouped += separator;
    grouped += text[i];
  }
  return grouped;
}

}  // namespace logs
