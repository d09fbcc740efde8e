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

constexpr bool IsHigh(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// How much the letters (0xC0..0xFF in both code pages) read like Russian.
long RussianLikeness(std::string_view bytes, char32_t (*decode)(unsigned char)) {
  long score = 0;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0xC0) continue;
    score += kLetterFrequency[(decode(byte) - U'\u0410') % kLetterFrequency.size()];
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
  return RussianLikeness(high, FromKoi8r) > RussianLikeness(high, FromCp1251)
             ? TextEncoding::kKoi8r
             : TextEncoding::kCp1251;
}

std::string ToUtf8(std::string_view bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kAscii:
    case TextEncoding::kUtf8:
      return DisplayUtf8(bytes);
    case TextEncoding::kCp1251:
      return DisplayCp1251(bytes);
    case TextEncoding::kKoi8r:
      return DisplayKoi8r(bytes);
  }
  return DisplayUtf8(bytes);
}

}  // namespace logs
