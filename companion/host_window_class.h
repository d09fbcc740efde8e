#pragma once

// How the host's main window is recognised: by the beginning of its class name.

#include <string_view>

namespace zarnik {

inline constexpr std::string_view kHostWindowClassPrefix = "Afx:400000:b:10011";

// Whether the first 18 characters of `className` are "Afx:400000:b:10011",
// case-sensitively. Shorter names never match.
bool IsHostWindowClass(std::string_view className);

}  // namespace zarnik
