#pragma once

// The files around the Cabrillo log: the operator's include file.

#include <string>
#include <string_view>

#include "stats/platform/platform.h"

namespace stats {

inline constexpr std::string_view kCabrilloIncludePath = "cabrillo.ini";
inline constexpr std::string_view kCabrilloExtension = ".cbr";

// The include file's bytes, unchanged. A missing file is created empty; a file
// that can not be read gives nothing.
std::string ReadCabrilloInclude(const std::string& path);

}  // namespace stats
