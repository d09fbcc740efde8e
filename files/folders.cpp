#include "files/folders.h"

#include <vector>

#include "files/file_problem.h"
#include "files/file_stamp.h"

namespace files {

std::error_code CreateFolders(FileSystem& files, const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> missing;
  for (std::filesystem::path path = folder; !StampOf(path); path = path.parent_path()) {
    if (path.empty() || path == path.parent_path()) break;
    missing.push_back(path);
  }
  for (auto path = missing.rbegin(); path != missing.rend(); ++path) {
    const std::error_code error = files.CreateFolder(*path);
    if (error && ProblemOf(error) != FileProblem::kExists) return error;
  }
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error) && !error) {
    error = std::make_error_code(std::errc::not_a_directory);
  }
  return error;
}

}  // namespace files
