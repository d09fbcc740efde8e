#pragma once

// The files around the Cabrillo log: the operator's include file, and the
// replacement of the log file as a whole.

#include <string>
#include <string_view>

#include "stats/platform/platform.h"

namespace stats {

inline constexpr std::string_view kCabrilloIncludePath = "cabrillo.ini";
inline constexpr std::string_view kCabrilloExtension = ".cbr";
inline constexpr std::string_view kPartialFileExtension = ".tmp";

// The include file's bytes, unchanged. A missing file is created empty; a file
// that can not be read gives nothing.
std::string ReadCabrilloInclude(const std::string& path);

// Writes `contents` into a temporary file beside `path` and moves it over
// `path` only when every byte was written, so a failed write never destroys
// the previous file; the temporary file does not outlive the call. Returns
// whether `path` now holds `contents`.
bool ReplaceFileContents(Platform& platform, const std::string& path, std::string_view contents);

}  // namespace stats
