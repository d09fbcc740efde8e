#pragma once

// Paths as the system resolves them, "\\?\C:\..." paths included: the way past
// 260 characters on Windows, which parts of the standard library do not know
// (std::filesystem::absolute and lexically_normal cut them to "\?\C:\...").
// The POSIX and Win32 implementations live in system_path_posix.cpp and
// system_path_win32.cpp.

#include <filesystem>
#include <optional>

namespace files {

// `path` made absolute against the current folder; on Windows "." and ".."
// are taken out as the system does, and a "\\?\" path stays as it is.
std::filesystem::path AbsolutePath(const std::filesystem::path& path);

// `path` with "." and ".." taken out and one separator between names; a
// "\\?\" path, which the system takes literally, stays as it is.
std::filesystem::path NormalPath(const std::filesystem::path& path);

// The path under which the system finds the existing file or folder, every
// link resolved; nothing when there is none.
std::optional<std::filesystem::path> RealPath(const std::filesystem::path& path);

// The folder that holds what the real path `real` names; nothing at the root.
std::optional<std::filesystem::path> HoldingFolder(const std::filesystem::path& real);

// A name in the form in which the system compares names: on Windows
// regardless of case.
std::filesystem::path::string_type NameKey(std::filesystem::path::string_type name);

}  // namespace files
