#pragma once

// Windows paths of the "\\?\C:\..." kind, the usual way past 260 characters,
// for tests that our programs take them whole.

#include <filesystem>
#include <string>

#include "files/file_system.h"
#include "files/folders.h"
#include "files/system_path.h"

namespace files_test {

// `path` as an absolute "\\?\" path.
inline std::filesystem::path LiteralPath(const std::filesystem::path& path) {
  return std::filesystem::path(L"\\\\?\\" + files::AbsolutePath(path).wstring());
}

// A folder below `literal`, made, whose path is longer than 260 characters.
inline std::filesystem::path DeepFolderIn(const std::filesystem::path& literal) {
  std::filesystem::path deep = literal;
  for (const char* name : {"first", "second", "third"}) deep /= name + std::string(100, '-');
  files::CreateFolders(*files::MakeSystemFileSystem(), deep);
  return deep;
}

}  // namespace files_test
