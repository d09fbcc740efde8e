#pragma once

// stats-host's own files (the HTML page) are written the way the plug-in writes
// its files: beside the old version first, then moved over it.

#include <filesystem>
#include <string_view>

namespace files {

// Writes `contents` into a partial file beside `file` (its name with the
// plug-in's partial-file extension added) and moves it over `file` only when
// every byte was written, so that a failed write never destroys what was
// there; the partial file does not outlive the call. Returns whether `file`
// now holds `contents`.
bool ReplaceFile(const std::filesystem::path& file, std::string_view contents);

}  // namespace files
