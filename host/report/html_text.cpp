#include "host/report/html_text.h"

#include <optional>
#include <vector>

namespace host {
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

char32_t FromCp1251(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte < 0xC0) return kCp1251High[byte - 0x80];
  return 0x0410 + (byte - 0xC0);
}

// The length of the well-formed UTF-8 sequence at bytes[i] (no overlong form,
// no surrogate, at most U+10FFFF) with its code point, or 0.
int Utf8SequenceAt(std::string_view bytes, std::size_t i, char32_t& value) {
  const auto lead = static_cast<unsigned char>(bytes[i]);
  int length = 1;
  char32_t minimum = 0;
  value = lead;
  if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07u, minimum = 0x10000;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0Fu, minimum = 0x800;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1Fu, minimum = 0x80;
  } else if (lead >= 0x80) {
    return 0;
  }
  if (bytes.size() - i < static_cast<std::size_t>(length)) return 0;
  for (int k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(bytes[i + k]);
    if ((next & 0xC0u) != 0x80u) return 0;
    value = (value << 6) | (next & 0x3Fu);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return length;
}

// The code points of well-formed UTF-8, or nothing.
std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view bytes) {
  std::vector<char32_t> code;
  for (std::size_t i = 0; i < bytes.size();) {
    char32_t value = 0;
    const int length = Utf8SequenceAt(bytes, i, value);
    if (length == 0) return std::nullopt;
    code.push_back(value);
    i += length;
  }
  return code;
}

void AppendUtf8(std::string& text, char32_t c) {
  if (c < 0x20 || (c >= 0x7F && c < 0xA0)) c = ' ';
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

}  // namespace

std::string DisplayUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  if (const auto code = DecodeUtf8(bytes)) {
    for (const char32_t c : *code) AppendUtf8(text, c);
  } else {
    for (const char byte : bytes) AppendUtf8(text, FromCp1251(static_cast<unsigned char>(byte)));
  }
  return text;
}

std::string MixedToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    char32_t value = 0;
    const int length = Utf8SequenceAt(bytes, i, value);
    AppendUtf8(text, length > 0 ? value : FromCp1251(static_cast<unsigned char>(bytes[i])));
    i += length > 0 ? length : 1;
  }
  return text;
}

std::string EscapeHtml(std::string_view utf8) {
  std::string text;
  text.reserve(utf8.size());
  for (const char c : utf8) {
    switch (c) {
      case '&':
        text += "&amp;";
        break;
      case '<':
        text += "&lt;";
        break;
      case '>':
        text += "&gt;";
        break;
      case '"':
        text += "&quot;";
        break;
      case '\'':
        text += "&#39;";
        break;
      default:
        text += c;
    }
  }
  return text;
}

}  // namespace host
