#pragma once

// Whole runs of stats-host in this process, in scratch folders of their own.

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "stats-host/stats_host.h"
#include "tests/support/temp_dir.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace stats_host_test {

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

// A fresh folder for one test's runs (a folder of its own each time, so that
// one a crashed test left unwritable never stands in the way); the current
// folder, which a run changes, is put back afterwards.
class ScratchFolder : public stats::testing::TempDir {
 public:
  ScratchFolder() : previous_(std::filesystem::current_path()) {}
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
  }

  std::string Write(const std::string& name, const std::string& bytes) const {
    stats::testing::WriteFileBytes(Path() / name, bytes);
    return Path(name);
  }
  std::string Read(const std::string& name) const {
    return stats::testing::ReadFileBytes(Path() / name);
  }
  using TempDir::Path;

 private:
  std::filesystem::path previous_;
};

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

inline Outcome StatsHost(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = stats_host::RunStatsHost(arguments, out, err);
  return {status, out.str(), err.str()};
}

// A QSO of the contest on 80 m from R3KV, as an ADIF record.
inline std::string Qso(const std::string& call, const std::string& mode,
                       const std::string& received, const std::string& more = "") {
  return "<CALL:" + std::to_string(call.size()) + ">" + call +
         "<QSO_DATE:8>20240218<TIME_ON:4>1500<BAND:3>80m<MODE:" + std::to_string(mode.size()) +
         ">" + mode + "<STX_STRING:3>001<SRX_STRING:" + std::to_string(received.size()) + ">" +
         received + "<STATION_CALLSIGN:4>R3KV" + more + "<EOR>\n";
}

inline bool Holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace stats_host_test
