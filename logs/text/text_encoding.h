#pragma once

// The encodings that the texts of logs and of the plug-in's files come in:
// UTF-8, checked one character at a time; Windows-1251, the host's code page
// for Russian; and KOI8-R, which some loggers still write. The one place that
// knows them, for the log readers, the pages and the simulator alike.

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

// The character a KOI8-R byte stands for: ASCII, the Russian letters and Ё;
// the drawing characters and the other signs of 0x80..0xBF read as "?".
char32_t FromKoi8r(unsigned char byte);

// The byte that stands for the character in Windows-1251 or in KOI8-R (as
// FromCp1251 and FromKoi8r read them), or nothing when the code page lacks it.
std::optional<char> Cp1251Byte(char32_t code);
std::optional<char> Koi8rByte(char32_t code);

}  // namespace logs
