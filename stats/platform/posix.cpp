// The platform of the portable build: POSIX calls, the C library's streams,
// our own profile files, and standard error in place of message boxes.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "stats/platform/posix_station_prompt.h"
#include "stats/platform/profile_file.h"
#include "stats/platform/replace_file.h"
#include "stats/platform/stdio_files.h"
#include "stats/platform/unique_fd.h"

namespace stats {
namespace {

std::string WithForwardSlashes(std::string text) {
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

std::vector<std::string> SplitOnSpaces(const std::string& text) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while ((start = text.find_first_not_of(' ', start)) != std::string::npos) {
    const auto end = text.find(' ', start);
    words.push_back(text.substr(start, end - start));
    start = end;
  }
  return words;
}

// Runs in a forked child, where only async-signal-safe calls are allowed.
[[noreturn]] void ReportFailureAndExit(int reportFd) {
  const int error = errno;
  [[maybe_unused]] const auto ignored = ::write(reportFd, &error, sizeof error);
  ::_exit(127);
}

// Starts argv[0] with `argv` in a grandchild, so that init reaps it and no
// zombie is left behind; the intermediate child is reaped here at once. The
// grandchild reports a failed exec through a close-on-exec pipe, which a
// successful exec simply closes.
bool Spawn(char* const argv[]) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return false;
  const UniqueFd readEnd(fds[0]);
  UniqueFd writeEnd(fds[1]);

  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    const pid_t grandchild = ::fork();
    if (grandchild < 0) ReportFailureAndExit(writeEnd.Get());
    if (grandchild == 0) {
      ::execv(argv[0], argv);
      ReportFailureAndExit(writeEnd.Get());
    }
    ::_exit(0);
  }

  writeEnd.Close();
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got = 0;
  do {
    got = ::read(readEnd.Get(), &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  return got == 0;
}

class PosixPlatform final : public StdioFilePlatform {
 public:
  UtcTime CurrentUtcTime() override {
    timespec now{};
    std::tm parts{};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0 || !::gmtime_r(&now.tv_sec, &parts)) return {};
    return UtcTime{parts.tm_year + 1900,
                   parts.tm_mon + 1,
                   parts.tm_mday,
                   parts.tm_hour,
                   parts.tm_min,
                   parts.tm_sec,
                   static_cast<int>(now.tv_nsec / 1000000)};
  }

  bool StartProgram(const std::string& commandLine) override {
    std::vector<std::string> words = SplitOnSpaces(WithForwardSlashes(commandLine));
    if (words.empty()) return false;
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    return Spawn(argv.data());
  }

  void ShowMessage(const std::string& text) override {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
  }

  std::string ReadProfileValue(const std::string& section, const std::string& key,
                               const std::string& defaultValue, const std::string& path,
                               std::size_t bufferSize) override {
    return ReadProfileFile(WithForwardSlashes(path), section, key, defaultValue, bufferSize);
  }

  bool WriteProfileValue(const std::string& section, const std::string& key,
                         const std::string& value, const std::string& path) override {
    return WriteProfileFile(*this, WithForwardSlashes(path), section, key, value);
  }

  bool EditStationDetails(StationDetailsForm& form) override {
    return EditStationDetailsOnConsole(form);
  }

  bool ReplaceWholeFile(const std::string& path, std::string_view contents) override {
    return ReplaceFileContents(SystemPath(path), contents);
  }

 protected:
  std::string SystemPath(const std::string& path) const override {
    return WithForwardSlashes(path);
  }
  bool Exists(const std::string& path) const override {
    return ::access(SystemPath(path).c_str(), F_OK) == 0;
  }
};

}  // namespace

std::unique_ptr<Platform> MakeSystemPlatform() { return std::make_unique<PosixPlatform>(); }

}  // namespace stats
