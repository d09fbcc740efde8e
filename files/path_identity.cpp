#include "files/path_identity.h"

#include <algorithm>

#include "files/system_path.h"

namespace files {
namespace {

namespace fs = std::filesystem;

// The deepest part of the path that exists, by its real path, and the rest as
// names below it.
struct SplitPath {
  fs::path real;
  std::vector<fs::path::string_type> missing;
};

std::optional<SplitPath> Split(const fs::path& path) {
  fs::path existing = AbsolutePath(path);
  std::vector<fs::path> names;  // innermost first
  std::optional<fs::path> real;
  while (!(real = RealPath(existing))) {
    const fs::path parent = existing.parent_path();
    if (parent.empty() || parent == existing) return std::nullopt;
    names.push_back(existing.filename());
    existing = parent;
  }
  fs::path rest;
  for (auto name = names.rbegin(); name != names.rend(); ++name) rest /= *name;
  SplitPath split{*real, {}};
  for (const fs::path& name : rest.lexically_normal()) {
    if (name.empty() || name == ".") continue;
    if (name == ".." && split.missing.empty()) {
      // Above what exists: the system's own way up.
      if (auto holding = HoldingFolder(split.real)) split.real = *holding;
    } else if (name == "..") {
      split.missing.pop_back();
    } else {
      split.missing.push_back(NameKey(name.native()));
    }
  }
  return split;
}

}  // namespace

std::optional<PathIdentity> IdentityOf(const fs::path& path) {
  const std::optional<SplitPath> split = Split(path);
  if (!split) return std::nullopt;
  const std::optional<FileStamp> stamp = StampOf(split->real);
  if (!stamp) return std::nullopt;
  return PathIdentity{stamp->id, split->missing};
}

std::vector<FileId> IdsUpFrom(const fs::path& path) {
  std::vector<FileId> ids;
  const std::optional<SplitPath> split = Split(path);
  for (std::optional<fs::path> folder = split ? std::optional(split->real) : std::nullopt; folder;
       folder = HoldingFolder(*folder)) {
    const std::optional<FileStamp> stamp = StampOf(*folder);
    if (!stamp || std::find(ids.begin(), ids.end(), stamp->id) != ids.end()) break;
    ids.push_back(stamp->id);
  }
  return ids;
}

}  // namespace files
