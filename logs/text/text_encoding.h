#pragma once

// The encodings that the texts of logs and of the plug-in's files come in:
// UTF-8, checked one character at a time, and Windows-1251, the host's code
// page for Russian. The one place that knows them, for the ADIF reader and the
// pages alike.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace logs {

struct Utf8Character {
  char32_t code = 0;
  std::size_t bytes = 0;  // 1 to 4
};

// The well-formed UTF-8 character at `at` (no overlong form, no surrogate, at
// most U+10FFFF), or nothing.
std::optional<Utf8Character> Utf8CharacterAt(std::string_view text, std::size_t at);

bool IsUtf8(std::string_view text);

// Whether the byte begins a character of UTF-8 text: no continuation byte.
constexpr bool StartsUtf8Character(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0u) != 0x80u;
}

// How many characters the UTF-8 text holds.
std::size_t Utf8Length(std::string_view utf8);

void AppendUtf8(std::string& text, char32_t code);

// The character a Windows-1251 byte stands for (U+FFFD for the one byte it
// leaves undefined).
char32_t FromCp1251(unsigned char byte);

}  // namespace logs
