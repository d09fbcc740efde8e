#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/file_system.h"

namespace files {
namespace {

std::error_code LastError() { return {errno, std::system_category()}; }

// A descriptor, closed when the object goes.
class PosixWritingFile final : public WritingFile {
 public:
  explicit PosixWritingFile(int fd) : fd_(fd) {}
  ~PosixWritingFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  PosixWritingFile(const PosixWritingFile&) = delete;
  PosixWritingFile& operator=(const PosixWritingFile&) = delete;

  std::error_code Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) return LastError();
      if (written == 0) return std::make_error_code(std::errc::io_error);
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
  }

  std::error_code Reserve(std::uint64_t bytes) override {
    if (bytes == 0) return {};
    // Returns the error instead of setting errno; it writes zeros itself where
    // the file system can not reserve room.
    const int error = ::posix_fallocate(fd_, 0, static_cast<off_t>(bytes));
    return error == 0 ? std::error_code() : std::error_code(error, std::system_category());
  }

  std::error_code Close() override {
    const bool synced = ::fsync(fd_) == 0 || errno == EINVAL;  // EINVAL: nothing to sync (a pipe)
    std::error_code error = synced ? std::error_code() : LastError();
    if (::close(fd_) != 0 && !error) error = LastError();
    fd_ = -1;
    return error;
  }

 private:
  int fd_;
};

class PosixFileSystem final : public FileSystem {
 public:
  std::error_code CreateNewFile(const std::filesystem::path& path,
                                std::unique_ptr<WritingFile>& file) override {
    // O_EXCL: also fails on a link of that name, whatever it points to.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return LastError();
    file = std::make_unique<PosixWritingFile>(fd);
    return {};
  }

  std::error_code CreateFolder(const std::filesystem::path& path) override {
    return ::mkdir(path.c_str(), 0777) == 0 ? std::error_code() : LastError();
  }

  std::error_code Move(const std::filesystem::path& from, const std::filesystem::path& to,
                       bool replace) override {
    if (replace) return ::rename(from.c_str(), to.c_str()) == 0 ? std::error_code() : LastError();
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
    if (errno != EINVAL && errno != ENOSYS) return LastError();
    // A file system that can not refuse to replace: look first.
    struct stat status {};
    if (::lstat(to.c_str(), &status) == 0) return std::make_error_code(std::errc::file_exists);
    return ::rename(from.c_str(), to.c_str()) == 0 ? std::error_code() : LastError();
  }

  std::error_code Remove(const std::filesystem::path& path) override {
    std::error_code error;
    std::filesystem::remove_all(path, error);
    return error;
  }

  std::error_code CanAppendTo(const std::filesystem::path& path) override {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return LastError();
    ::close(fd);
    return {};
  }
};

}  // namespace

std::unique_ptr<FileSystem> MakeSystemFileSystem() { return std::make_unique<PosixFileSystem>(); }

void FailWritesPastSizeLimit() { ::signal(SIGXFSZ, SIG_IGN); }

}  // namespace files
