#include "logs/text/text_encoding.h"

#include <algorithm>

namespace logs {
namespace {

// Windows-1251 bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr char16_t kCp1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  //
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  //
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  //
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

// KOI8-R keeps the letters at 0xC0..0xDF (small) and 0xE0..0xFF (capital) in
// the order of the Latin letters they sound like (ю а б ц д е ф г х и ...):
// each one's place in the alphabet (а = 0 .. я = 31).
constexpr unsigned char kKoi8rAlphabetical[32] = {30, 0,  1,  22, 4,  5,  20, 3,  21, 8,  9,
                                                  10, 11, 12, 13, 14, 15, 31, 16, 17, 18, 19,
                                                  6,  2,  28, 27, 7,  24, 29, 25, 23, 26};

constexpr char32_t kCapitalA = 0x0410;
constexpr char32_t kSmallA = 0x0430;

// The byte of 0x80..0xFF that `decode` reads as the character.
std::optional<char> HighByteOf(char32_t code, char32_t (*decode)(unsigned char)) {
  if (code < 0x80) return static_cast<char>(code);
  for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
    if (decode(static_cast<unsigned char>(byte)) == code) return static_cast<char>(byte);
  }
  return std::nullopt;
}

}  // namespace

std::optional<Utf8Character> Utf8CharacterAt(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 1;
  char32_t value = lead;
  char32_t minimum = 0;
  if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07u, minimum = 0x10000;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0Fu, minimum = 0x800;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1Fu, minimum = 0x80;
  } else if (lead >= 0x80) {
    return std::nullopt;
  }
  if (text.size() - at < length) return std::nullopt;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if ((next & 0xC0u) != 0x80u) return std::nullopt;
    value = (value << 6) | (next & 0x3Fu);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return std::nullopt;
  }
  return Utf8Character{value, length};
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto character = Utf8CharacterAt(text, i);
    if (!character) return false;
    i += character->bytes;
  }
  return true;
}

std::size_t Utf8Length(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), StartsUtf8Character));
}

void AppendUtf8(std::string& text, char32_t c) {
  if (c < 0x80) {
    text += static_cast<char>(c);
  } else if (c < 0x800) {
    text += static_cast<char>(0xC0 | (c >> 6));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    text += static_cast<char>(0xE0 | (c >> 12));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (c >> 18));
    text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char32_t FromCp1251(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte < 0xC0) return kCp1251High[byte - 0x80];
  return kCapitalA + (byte - 0xC0);
}

char32_t FromKoi8r(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte == 0xA3) return 0x0451;  // ё
  if (byte == 0xB3) return 0x0401;  // Ё
  if (byte < 0xC0) return U'?';
  return (byte < 0xE0 ? kSmallA : kCapitalA) + kKoi8rAlphabetical[byte & 0x1Fu];
}

std::optional<char> Cp1251Byte(char32_t code) { return HighByteOf(code, FromCp1251); }

std::optional<char> Koi8rByte(char32_t code) { return HighByteOf(code, FromKoi8r); }

}  // namespace logs
