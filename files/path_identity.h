#pragma once

// Paths compared by what they name, not by how they are spelled: "./x",
// "../d/x", links, hard links and, on Windows, other case all name the same
// file; a file not there yet is named by the folder that will hold it and the
// names below that folder.

#include <filesystem>
#include <optional>
#include <vector>

#include "files/file_stamp.h"

namespace files {

struct PathIdentity {
  FileId existing;  // the deepest file or folder of the path that exists
  std::vector<std::filesystem::path::string_type> missing;  // the names below it, outermost first
  bool operator==(const PathIdentity&) const = default;
};

// Nothing when not even the root of the path can be looked at.
std::optional<PathIdentity> IdentityOf(const std::filesystem::path& path);

// The ids of the file or folder at `path` (or, when nothing is there yet, of
// the deepest folder of the path that exists) and of every folder that holds
// it, up to the root, nearest first.
std::vector<FileId> IdsUpFrom(const std::filesystem::path& path);

}  // namespace files
