#pragma once

// Profile (INI) files read and written the way the system's profile-string
// functions do, for builds that have none (the POSIX platform). Paths use "/"
// as the folder separator.
//
// A file is made of section header lines ("[Settings]") and key lines
// ("Operators=UA1AAA"); lines whose first non-blank character is ';' are
// comments. Sections and keys are found case-insensitively (ASCII), the first
// match wins, and blanks around key names and values are ignored. Value bytes
// pass through unchanged.

#include <cstddef>
#include <string>

#include "stats/platform/platform.h"

namespace stats {

// The value of `key` in `section`, without one pair of matching double or
// single quotes around it; `defaultValue` without its trailing spaces when the
// file, section or key is missing. Either is cut to bufferSize - 1 characters,
// as a buffer of bufferSize characters would hold it (bufferSize 0 gives "").
std::string ReadProfileFile(const std::string& path, const std::string& section,
                            const std::string& key, const std::string& defaultValue,
                            std::size_t bufferSize);

// Sets `key` of `section` to `value`. An existing key line is replaced where it
// stands, a new key goes after the last key line of its section, a new section
// at the end of the file, and a missing file is created (a missing folder is
// not). Every other line is kept; all lines end in CR LF afterwards. The new
// content replaces the file as a whole (Platform::ReplaceWholeFile),
// so a failed write leaves the file as it was. Texts containing CR, LF or NUL
// would break the file's line structure and are refused. Returns whether the
// file now holds the value.
bool WriteProfileFile(Platform& platform, const std::string& path, const std::string& section,
                      const std::string& key, const std::string& value);

}  // namespace stats
