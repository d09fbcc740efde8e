#pragma once

// Replacing a file's whole content without putting anyone's file at risk. The
// new bytes go into a temporary file beside the target that is created
// exclusively, under a name nobody else holds (the target's name, a unique part
// and ".tmp"), and it is moved over the target only when every byte reached
// it. On failure the target keeps what it held, and only the temporary file
// this call created is removed: a file or link that someone else keeps under
// the name is never opened, followed or removed, and the next name is tried.
//
// The POSIX and Win32 builds each have their own implementation
// (replace_file_posix.cpp, replace_file_win32.cpp).

#include <functional>
#include <string>
#include <string_view>

namespace stats {

// `path` in the system's own form. Returns whether `path` now holds `contents`.
bool ReplaceFileContents(const std::string& path, std::string_view contents);

// The same, with `temporaryName(attempt)` naming the temporary file of each
// attempt where ReplaceFileContents takes a unique name, so that tests can put
// files in the way. A taken name is skipped; after kTemporaryNameAttempts the
// replacement fails.
inline constexpr int kTemporaryNameAttempts = 16;
using TemporaryNames = std::function<std::string(int attempt)>;
bool ReplaceFileContents(const std::string& path, std::string_view contents,
                         const TemporaryNames& temporaryName);

}  // namespace stats
