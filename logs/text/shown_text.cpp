#include "logs/text/shown_text.h"

#include <cstdio>

#include "logs/text/text_encoding.h"

namespace logs {

std::string Quoted(std::string_view bytes, std::size_t limit) {
  std::string shown(1, '"');
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto character = Utf8CharacterAt(bytes, i);
    const std::size_t size = character ? character->bytes : 1;
    if (i + size > limit) break;
    const bool printable = character && character->code >= 0x20 && character->code != 0x7F &&
                           (character->code < 0x80 || character->code >= 0xA0);
    if (printable) {
      shown.append(bytes.substr(i, size));
    } else {
      for (std::size_t k = i; k < i + size; ++k) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\x%02X",
                      static_cast<unsigned>(static_cast<unsigned char>(bytes[k])));
        shown += escape;
      }
    }
    i += size;
  }
  if (i < bytes.size()) shown += "\xE2\x80\xA6";  // "…"
  return shown + '"';
}

}  // namespace logs
