#pragma once

// Whole runs of stats-host in this process, in scratch folders of their own.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/stats_host.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace host_test {

#if !defined(_WIN32)
// Sets or clears the immutable flag, which stops even root from writing.
inline bool SetImmutable(const std::filesystem::path& path, bool on) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
  if (fd < 0) return false;
  int flags = 0;
  bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
  done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  ::close(fd);
  return done;
}

// While it lives, the file or folder can not be written: read-only, or for
// root, who ignores permissions, immutable. Made() is false where neither
// works.
class Unwritable {
 public:
  explicit Unwritable(const std::string& path) : path_(path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return;
    mode_ = status.st_mode;
    made_ =
        ::geteuid() == 0 ? SetImmutable(path_, true) : ::chmod(path.c_str(), mode_ & ~0222u) == 0;
  }
  ~Unwritable() {
    if (!made_) return;
    if (::geteuid() == 0) {
      SetImmutable(path_, false);
    } else {
      ::chmod(path_.c_str(), mode_);
    }
  }
  Unwritable(const Unwritable&) = delete;
  Unwritable& operator=(const Unwritable&) = delete;

  bool Made() const { return made_; }

 private:
  std::string path_;
  bool made_ = false;
  mode_t mode_ = 0;
};
#endif

// Removes a folder; one that a crashed test left immutable is freed first.
inline void RemoveFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::remove_all(folder, error);
#if !defined(_WIN32)
  if (!error) return;
  SetImmutable(folder, false);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error)) {
    SetImmutable(entry.path(), false);
  }
  std::filesystem::remove_all(folder, error);
#endif
}

class ScratchFolder {
 public:
  ScratchFolder() : previous_(std::filesystem::current_path()) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            (std::string("stats-host-") + test->test_suite_name() + "-" + test->name());
    RemoveFolder(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);  // a run enters its working folder
    RemoveFolder(path_);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
    return Path(name);
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::string Path(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

inline Outcome StatsHost(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = host::RunStatsHost(arguments, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace host_test
