#pragma once

// What a folder holds, read the way the system reads it: on Windows also
// behind a "\\?\" path past 260 characters, where std::filesystem's folder
// listing of this tool chain finds nothing. The POSIX and Win32
// implementations live in folder_entries_posix.cpp and folder_entries_win32.cpp.

#include <filesystem>
#include <system_error>
#include <vector>

namespace files {

struct FolderEntry {
  std::filesystem::path path;  // the folder's path with the entry's name appended
  bool isFolder = false;       // a folder, or a link to one
  bool isLink = false;         // a link (on Windows any reparse point)
};

// The entries of `folder`, "." and ".." left out, in no particular order.
// An error when the folder can not be read; `entries` then holds none.
std::error_code ReadFolder(const std::filesystem::path& folder, std::vector<FolderEntry>& entries);

}  // namespace files
