#include "logrobot/store/log_files.h"

#include <fcntl.h>
#include <sodium.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

#include "logrobot/store/store_error.h"

namespace logrobot {
namespace {

namespace fs = std::filesystem;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now, so that a failure to close is seen.
  bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

[[noreturn]] void Fail(const std::string& what, const fs::path& path, int error) {
  throw StoreError(what + " " + path.string() + ": " + std::strerror(error));
}

void SyncFolder(const fs::path& folder) {
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() < 0 || ::fsync(fd.Get()) != 0) Fail("can not sync", folder, errno);
}

void MakeFolder(const fs::path& folder) {
  if (::mkdir(folder.c_str(), 0755) == 0) {
    SyncFolder(folder.parent_path());
  } else if (errno != EEXIST) {
    Fail("can not make", folder, errno);
  }
}

void WriteSynced(const fs::path& path, std::string_view bytes) {
  FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (fd.Get() < 0) Fail("can not make", path, errno);
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd.Get(), bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) Fail("can not write", path, written < 0 ? errno : ENOSPC);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  if (::fsync(fd.Get()) != 0 || !fd.Close()) Fail("can not write", path, errno);
}

std::string RandomName() {
  std::array<unsigned char, 16> random;
  randombytes_buf(random.data(), random.size());
  std::array<char, 33> hex;
  sodium_bin2hex(hex.data(), hex.size(), random.data(), random.size());
  return hex.data();
}

}  // namespace

std::string DigestOf(std::string_view bytes) {
  std::array<unsigned char, crypto_hash_sha256_BYTES> digest;
  crypto_hash_sha256(digest.data(), reinterpret_cast<const unsigned char*>(bytes.data()),
                     bytes.size());
  std::array<char, 2 * crypto_hash_sha256_BYTES + 1> hex;
  sodium_bin2hex(hex.data(), hex.size(), digest.data(), digest.size());
  return hex.data();
}

LogFiles::LogFiles(fs::path folder) : folder_(std::move(folder)), partial_(folder_ / "partial") {
  MakeFolder(folder_);
  MakeFolder(partial_);
}

void LogFiles::RemovePartial() const {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(partial_, error)) {
    fs::remove(entry.path(), error);
  }
}

fs::path LogFilePath(const fs::path& folder, std::string_view digest) {
  return folder / std::string(digest.substr(0, 2)) / std::string(digest);
}

std::string LogFiles::Keep(std::string_view bytes) const {
  std::string digest = DigestOf(bytes);
  const fs::path place = PathOf(digest);
  std::error_code error;
  if (fs::exists(place, error)) {
    SyncFolder(place.parent_path());  // a crash may have come between its link and its sync
    return digest;
  }
  const fs::path partial = partial_ / RandomName();
  WriteSynced(partial, bytes);
  MakeFolder(place.parent_path());
  const int linked = ::link(partial.c_str(), place.c_str()) == 0 ? 0 : errno;
  ::unlink(partial.c_str());
  if (linked != 0 && linked != EEXIST) Fail("can not link", place, linked);
  SyncFolder(place.parent_path());
  return digest;
}

}  // namespace logrobot
