#include "logs/adif/length_counting.h"

#include "logs/text/text_encoding.h"

namespace logs {

std::optional<std::string_view> OtherCounting(std::string_view value, std::uint64_t length) {
  std::uint64_t loneLineFeeds = 0;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\n' && (i == 0 || value[i - 1] != '\r')) ++loneLineFeeds;
  }
  if (loneLineFeeds > 0 && value.size() + loneLineFeeds == length) {
    return "its line breaks were counted as CR LF";
  }
  if (IsUtf8(value)) return std::nullopt;
  std::uint64_t utf8Bytes = 0;
  for (const char byte : value) {
    const char32_t code = FromCp1251(static_cast<unsigned char>(byte));
    utf8Bytes += code < 0x80 ? 1 : code < 0x800 ? 2 : 3;
  }
  if (utf8Bytes == length) return "its Windows-1251 text was counted in UTF-8 bytes";
  return std::nullopt;
}

std::optional<std::size_t> Utf8CharactersSize(std::string_view text, std::uint64_t count) {
  std::size_t size = 0;
  for (std::uint64_t i = 0; i < count; ++i) {
    if (size == text.size()) return std::nullopt;
    const auto character = Utf8CharacterAt(text, size);
    if (!character) return std::nullopt;
    size += character->bytes;
  }
  if (size == count) return std::nullopt;
  return size;
}

}  // namespace logs
