#pragma once

// Texts as the host passes them: zero-terminated, 8-bit, never null in a good
// host; a null pointer is read as an empty text.

#include <string_view>

namespace stats {

inline std::string_view HostText(const char* text) noexcept {
  return text == nullptr ? std::string_view{} : std::string_view{text};
}

}  // namespace stats
