#pragma once

// The encoding of a log's texts (names, addresses, categories), found from the
// bytes themselves: loggers write UTF-8, Windows-1251 or KOI8-R and never say
// which.

#include <string>
#include <string_view>

namespace logs {

enum class TextEncoding { kAscii, kUtf8, kCp1251, kKoi8r };

std::string_view NameOf(TextEncoding encoding);

// ASCII when no byte is above 127; UTF-8 when the bytes are well-formed UTF-8;
// otherwise the one of Windows-1251 and KOI8-R under which the letters read
// most like Russian text (by the frequency of each letter).
TextEncoding DetectEncoding(std::string_view bytes);

// The bytes as UTF-8; control characters become spaces.
std::string ToUtf8(std::string_view bytes, TextEncoding encoding);

}  // namespace logs
