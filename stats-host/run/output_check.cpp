#include "stats-host/run/output_check.h"

#include "files/file_problem.h"
#include "files/file_stamp.h"
#include "files/replacement.h"
#include "files/system_path.h"

namespace stats_host {
namespace {

namespace fs = std::filesystem;

fs::path FolderOf(const fs::path& file) { return files::AbsolutePath(file).parent_path(); }

}  // namespace

std::string FileProblemText(std::error_code error, const RunTexts& texts) {
  return files::ProblemText(error, texts.fileProblems);
}

std::optional<std::string> WhyNotAppendable(files::FileSystem& files, const fs::path& file,
                                            bool grown, const RunTexts& texts) {
  const std::optional<files::FileStamp> stamp = files::StampOf(file);
  std::error_code error =
      stamp ? files.CanAppendTo(file) : files::RoomFor(files, FolderOf(file), 0);
  if (!error && grown) {
    // A full device takes no byte more; a file-size limit only what reaches it.
    error = files::RoomFor(files, FolderOf(file), 1);
    if (!error && stamp) {
      const std::error_code larger = files::RoomFor(files, FolderOf(file), stamp->size + 1);
      if (files::ProblemOf(larger) == files::FileProblem::kTooLarge) error = larger;
    }
  }
  if (error) return FileProblemText(error, texts);
  return std::nullopt;
}

std::optional<std::string> WhyNotReplaceable(files::FileSystem& files, const fs::path& file,
                                             std::uint64_t leastBytes, const RunTexts& texts) {
  std::error_code error;
  if (fs::is_directory(file, error)) {
    return FileProblemText(std::make_error_code(std::errc::is_a_directory), texts);
  }
  error = files::RoomFor(files, FolderOf(file), leastBytes);
  if (!error && files::StampOf(file)) error = files.CanAppendTo(file);
  if (error) return FileProblemText(error, texts);
  return std::nullopt;
}

}  // namespace stats_host
