#pragma once

// Paths and UTF-8 text, the same way on every system (Windows paths are
// UTF-16, and narrow ones would be in the ANSI code page there).

#include <filesystem>
#include <string>

namespace files {

inline std::filesystem::path PathOfUtf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8OfPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace files
