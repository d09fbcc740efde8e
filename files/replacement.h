#pragma once

// A file replaced whole. The new content goes into a temporary file beside it,
// created exclusively under a name that no one else holds
// ("<name>.<unique part>.tmp" in the same folder, unique_name.h), pushed to
// the device and only then moved over the file. A failed write so never
// destroys the file that was there, and only the temporary file made here is
// ever removed: a file or link of someone else's, whatever its name, is never
// opened, followed or removed.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "files/file_system.h"

namespace files {

// Where writing a file stopped, and the system's error.
struct WriteFailure {
  enum class Step {
    kCreate,   // the new file could not be made beside the file
    kWrite,    // the new file could not be written whole
    kReplace,  // the new file could not take the earlier one's place
  };
  Step step;
  std::error_code error;
};

class Replacement {
 public:
  // Makes the temporary file beside `target`.
  Replacement(FileSystem& files, std::filesystem::path target);
  // Removes the temporary file unless it was moved or released.
  ~Replacement();
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;

  // Appends to the new content, through a buffer. After a failure, writes
  // are skipped and Finish tells it.
  void Write(std::string_view bytes);
  // Writes out the buffer, pushes the file to the device and closes it:
  // nothing when it holds every byte.
  std::optional<WriteFailure> Finish();
  // Finishes the file and moves it over the target.
  std::optional<WriteFailure> Commit();

  const std::filesystem::path& Target() const { return target_; }
  // After a Finish without failure: the temporary file, which the caller
  // answers for from now on (it moves or removes it).
  std::filesystem::path Release();

 private:
  std::optional<WriteFailure> WriteOut(std::string_view bytes);

  FileSystem& files_;
  std::filesystem::path target_;
  std::filesystem::path temporary_;  // empty: none made, or no longer ours
  std::unique_ptr<WritingFile> file_;
  std::vector<char> buffer_;
  std::optional<WriteFailure> failure_;
};

// The whole content at once. Nothing when `target` holds `bytes` now.
std::optional<WriteFailure> ReplaceWholeFile(FileSystem& files, const std::filesystem::path& target,
                                             std::string_view bytes);

// Whether a file of `bytes` bytes can be written into `folder` now: a file of
// our own is made there, its room taken and removed again. Nothing when it
// can; otherwise the system's reason (a full device or quota, the file-size
// limit, a folder that takes no new file).
std::error_code RoomFor(FileSystem& files, const std::filesystem::path& folder,
                        std::uint64_t bytes);

}  // namespace files
