#pragma once

// The file operations of Platform that the C library's streams do alike on
// every system, for the Win32 and POSIX platforms to share. Files are opened
// in binary mode: the bytes written are the bytes in the file.

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "stats/platform/platform.h"

namespace stats {

struct FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

class StdioFilePlatform : public Platform {
 public:
  std::unique_ptr<AppendingFile> OpenForAppend(const std::string& path) override;
  bool WriteWholeFile(const std::string& path, std::string_view contents) override;
  std::optional<std::string> ReadWholeFile(const std::string& path) override;
  bool EnsureFileExists(const std::string& path) override;

 protected:
  // `path` in the form the system's C library opens.
  virtual std::string SystemPath(const std::string& path) const { return path; }
  // Whether a file or folder is at `path`, asked without opening it (far
  // cheaper than an open and a close, above all under wine).
  virtual bool Exists(const std::string& path) const = 0;
};

}  // namespace stats
