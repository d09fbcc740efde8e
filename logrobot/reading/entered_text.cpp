#include "logrobot/reading/entered_text.h"

#include <algorithm>

#include "logs/text/ascii.h"
#include "logs/text/text_encoding.h"

namespace logrobot {
namespace {

bool IsAsciiLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

std::string LettersAndDigits(std::string_view text) {
  std::string kept;
  for (const char c : logs::UpperCopy(text)) {
    if (IsAsciiLetter(c) || IsAsciiDigit(c) || (c & 0x80)) kept += c;
  }
  return kept;
}

}  // namespace

std::optional<std::string> CleanCall(std::string_view typed) {
  const std::string call = logs::UpperCopy(logs::Trimmed(typed));
  if (call.empty() || call.size() > kMaxCallLength) return std::nullopt;
  const bool allowed = std::all_of(call.begin(), call.end(), [](char c) {
    return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '/';
  });
  if (!allowed || std::none_of(call.begin(), call.end(), IsAsciiLetter) ||
      std::none_of(call.begin(), call.end(), IsAsciiDigit)) {
    return std::nullopt;
  }
  return call;
}

std::optional<std::string> CleanEmail(std::string_view typed) {
  const std::string_view email = logs::Trimmed(typed);
  const std::size_t at = email.find('@');
  if (email.size() > kMaxEmailLength || !logs::IsUtf8(email) || at == 0 ||
      at == std::string_view::npos || email.find('@', at + 1) != std::string_view::npos ||
      email.find('.', at) == std::string_view::npos || email.back() == '.') {
    return std::nullopt;
  }
  const bool blank = std::any_of(email.begin(), email.end(),
                                 [](char c) { return c == ' ' || logs::IsControlByte(c); });
  if (blank) return std::nullopt;
  return std::string(email);
}

std::optional<std::string> CleanText(std::string_view typed, std::size_t maxCharacters) {
  if (!logs::IsUtf8(typed)) return std::nullopt;
  std::string text;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    const char c = typed[i];
    if (c == '\r') {
      if (i + 1 < typed.size() && typed[i + 1] == '\n') continue;
      text += '\n';
    } else {
      text += c != '\n' && logs::IsControlByte(c) ? ' ' : c;
    }
  }
  const std::string_view trimmed = logs::Trimmed(text);
  if (logs::Utf8Length(trimmed) > maxCharacters) return std::nullopt;
  return std::string(trimmed);
}

std::optional<std::string> ContestCategory(std::string_view category,
                                           const std::vector<std::string>& categories) {
  const std::string wanted = LettersAndDigits(category);
  if (wanted.empty()) return std::nullopt;
  const auto found = std::find_if(categories.begin(), categories.end(), [&](const std::string& c) {
    return LettersAndDigits(c) == wanted;
  });
  if (found == categories.end()) return std::nullopt;
  return *found;
}

}  // namespace logrobot
