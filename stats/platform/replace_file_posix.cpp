#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "stats/platform/replace_file.h"
#include "stats/platform/unique_fd.h"

namespace stats {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view contents,
                         const TemporaryNames& temporaryName) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    const std::string temporary = temporaryName(attempt);
    // O_EXCL: never an existing file, nor the file a link of that name points to.
    UniqueFd file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file) {
      if (errno == EEXIST) continue;
      return false;
    }
    const bool written = WriteAll(file.Get(), contents);
    if (file.Close() && written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    ::unlink(temporary.c_str());
    return false;
  }
  return false;
}

}  // namespace stats
