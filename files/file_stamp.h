#pragma once

// Which file a path names, and the size and time of its content: a file
// replaced in the meantime tells from one left alone, and two paths name the
// same file when their ids are equal, however they are spelled (links, "..",
// on Windows other case). The POSIX and Win32 implementations live in
// file_stamp_posix.cpp and file_stamp_win32.cpp.

#include <cstdint>
#include <filesystem>
#include <optional>

namespace files {

// Device and inode; on Windows volume serial number and file index.
struct FileId {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  bool operator==(const FileId&) const = default;
};

struct FileStamp {
  FileId id;
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // in the system's own units
  bool operator==(const FileStamp&) const = default;
};

// Of the file or folder at the path, links followed; nothing when there is none.
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

}  // namespace files
