#include "logs/text/display_text.h"

#include "logs/text/text_encoding.h"

namespace logs {
namespace {

// Control characters become spaces, so that no value can break a line or a
// table of the page.
void AppendShown(std::string& text, char32_t c) {
  AppendUtf8(text, c < 0x20 || (c >= 0x7F && c < 0xA0) ? U' ' : c);
}

// Each byte as the character the code page gives it.
std::string DisplayBytes(std::string_view bytes, char32_t (*decode)(unsigned char)) {
  std::string text;
  text.reserve(bytes.size());
  for (const char byte : bytes) AppendShown(text, decode(static_cast<unsigned char>(byte)));
  return text;
}

}  // namespace

std::string DisplayUtf8(std::string_view bytes) {
  return IsUtf8(bytes) ? MixedToUtf8(bytes) : DisplayCp1251(bytes);
}

std::string DisplayCp1251(std::string_view bytes) { return DisplayBytes(bytes, FromCp1251); }

std::string DisplayKoi8r(std::string_view bytes) { return DisplayBytes(bytes, FromKoi8r); }

std::string MixedToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const std::optional<Utf8Character> character = Utf8CharacterAt(bytes, i);
    AppendShown(text,
                character ? character->code : FromCp1251(static_cast<unsigned char>(bytes[i])));
    i += character ? character->bytes : 1;
  }
  return text;
}

}  // namespace logs
