#pragma once

// The names in the current working folder, sorted: a failed write must leave
// no partial file behind.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace stats::testing {

inline std::vector<std::string> FolderListing() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace stats::testing
