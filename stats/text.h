#pragma once

// Texts as the host passes them: zero-terminated, 8-bit, never null in a good
// host; a null pointer is read as an empty text.

#include <string>
#include <string_view>

namespace stats {

inline std::string_view HostText(const char* text) noexcept {
  return text == nullptr ? std::string_view{} : std::string_view{text};
}

// Every control byte (0 to 31, and 127) of the line from `start` on as a
// space, so that no host text in a line of a file the plug-in writes can end
// the line early or forge another one. Bytes above 127 (Windows-1251 letters)
// pass.
inline void KeepOnOneLine(std::string& line, std::size_t start) {
  for (std::size_t i = start; i < line.size(); ++i) {
    const auto byte = static_cast<unsigned char>(line[i]);
    if (byte < 32 || byte == 127) line[i] = ' ';
  }
}

// Appends a host text to one line of a file the plug-in writes (see
// KeepOnOneLine).
inline void AppendOnOneLine(std::string& line, std::string_view text) {
  const std::size_t start = line.size();
  line += text;
  KeepOnOneLine(line, start);
}

}  // namespace stats
