#include "logs/text/log_encoding.h"

#include <algorithm>
#include <array>

#include "logs/text/display_text.h"
#include "logs/text/text_encoding.h"

namespace logs {
namespace {

// How often each Russian letter occurs, per mille, in alphabetical order
// (а б в г д е ж з и й к л м н о п р с т у ф х ц ч ш щ ъ ы ь э ю я).
constexpr std::array<int, 32> kLetterFrequency = {80, 16, 45, 17,  30, 85, 9,  16, 74, 12, 35,
                                                  44, 32, 67, 110, 28, 47, 55, 63, 26, 3,  10,
                                                  5,  14, 7,  4,   1,  19, 17, 3,  6,  20};

// KOI8-R keeps the letters at 0xC0..0xDF (small) and 0xE0..0xFF (capital) in
// the order of the Latin letters they sound like (ю а б ц д е ф г х и ...):
// each one's place in the alphabet.
constexpr std::array<unsigned char, 32> kKoi8Alphabetical = {
    30, 0,  1,  22, 4,  5,  20, 3, 21, 8,  9, 10, 11, 12, 13, 14,
    15, 31, 16, 17, 18, 19, 6,  2, 28, 27, 7, 24, 29, 25, 23, 26};

constexpr bool IsHigh(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// The Windows-1251 byte of the same character, for a KOI8-R byte: letters
// and ё map exactly, ASCII stays, the drawing characters become "?".
char Cp1251OfKoi8(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 0x80) return c;
  if (byte == 0xA3) return static_cast<char>(0xB8);  // ё
  if (byte == 0xB3) return static_cast<char>(0xA8);  // Ё
  if (byte < 0xC0) return '?';
  const unsigned char base = byte < 0xE0 ? 0xE0 : 0xC0;  // small letters first in KOI8-R
  return static_cast<char>(base + kKoi8Alphabetical[byte & 0x1F]);
}

long RussianLikeness(std::string_view bytes, bool koi8) {
  long score = 0;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0xC0) continue;
    const unsigned letter = koi8 ? kKoi8Alphabetical[byte & 0x1F] : (byte & 0x1F);
    score += kLetterFrequency[letter];
  }
  return score;
}

}  // namespace

std::string_view NameOf(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kAscii:
      return "ASCII";
    case TextEncoding::kUtf8:
      return "UTF-8";
    case TextEncoding::kCp1251:
      return "Windows-1251";
    case TextEncoding::kKoi8r:
      return "KOI8-R";
  }
  return "ASCII";
}

TextEncoding DetectEncoding(std::string_view bytes) {
  const auto first = std::find_if(bytes.begin(), bytes.end(), IsHigh);
  if (first == bytes.end()) return TextEncoding::kAscii;
  const auto last = std::find_if(bytes.rbegin(), bytes.rend(), IsHigh).base();
  const std::string_view high(&*first, static_cast<std::size_t>(last - first));
  if (IsUtf8(high)) return TextEncoding::kUtf8;
  return RussianLikeness(high, true) > RussianLikeness(high, false) ? TextEncoding::kKoi8r
                                                                    : TextEncoding::kCp1251;
}

std::string ToUtf8(std::string_view bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kAscii:
    case TextEncoding::kUtf8:
      return DisplayUtf8(bytes);
    case TextEncoding::kCp1251:
      return DisplayCp1251(bytes);
    case TextEncoding::kKoi8r: {
      std::string cp1251(bytes);
      std::transform(cp1251.begin(), cp1251.end(), cp1251.begin(), Cp1251OfKoi8);
      return DisplayCp1251(cp1251);
    }
  }
  return DisplayUtf8(bytes);
}

}  // namespace logs
