#include "files/folder_entries.h"

namespace files {

std::error_code ReadFolder(const std::filesystem::path& folder, std::vector<FolderEntry>& entries) {
  entries.clear();
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code ignored;
    entries.push_back({it->path(), it->is_directory(ignored), it->is_symlink(ignored)});
  }
  if (error) entries.clear();
  return error;
}

}  // namespace files
