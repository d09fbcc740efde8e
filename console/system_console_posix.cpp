#include <unistd.h>

#include <cerrno>
#include <string>

#include "console/system_console.h"

namespace console {

std::optional<ConsoleWriter> SystemConsoleWriter(StandardStream stream) {
  const int fd = stream == StandardStream::kOutput ? STDOUT_FILENO : STDERR_FILENO;
  if (::isatty(fd) == 0) return std::nullopt;
  return ConsoleWriter([fd](std::string_view utf8) {
    while (!utf8.empty()) {
      const ssize_t written = ::write(fd, utf8.data(), utf8.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      utf8.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
  });
}

bool StartedInWindowOfItsOwn() { return false; }

bool OpenInBrowser(const std::filesystem::path&) { return false; }

}  // namespace console
