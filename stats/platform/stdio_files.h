#pragma once

// Files the plug-in writes. Lines end in CR LF on every build: an OutputFile
// with LineEnds::kCrLf turns each line feed into CR LF, as a text-mode stream
// of the Windows runtime does; one with kAsWritten writes bytes unchanged.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "stats/platform/platform.h"

namespace stats {

struct FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

enum class OpenMode { kTruncate, kAppend };

// An output file. Every write failure is remembered and the file is simply
// closed on destruction; callers that must not lose data check Close().
class OutputFile {
 public:
  enum class LineEnds { kAsWritten, kCrLf };

  OutputFile(const std::string& path, OpenMode mode, LineEnds lineEnds);

  bool IsOpen() const noexcept { return file_ != nullptr; }
  void Write(std::string_view text);
  // Flushes and closes; true when the file was open and every write succeeded.
  bool Close();

 private:
  UniqueFile file_;
  LineEnds lineEnds_;
  bool failed_ = false;
};

// Reads a whole file as bytes; nothing when it can not be opened.
bool ReadWholeFile(const std::string& path, std::string& contents);

// Writes `contents` into a temporary file beside `path` and has `platform` move
// it over `path` only when every byte was written, so a failed write never
// destroys the previous file; the temporary file does not outlive the call.
// Returns whether `path` now holds `contents`.
bool ReplaceWholeFile(Platform& platform, const std::string& path, std::string_view contents);

}  // namespace stats
