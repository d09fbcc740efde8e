#include "stats/platform/replace_file.h"

#include <chrono>
#include <cstdint>
#include <cstdio>

#include "stats/public/plugin_names.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace stats {
namespace {

unsigned long ProcessId() {
#if defined(_WIN32)
  return ::GetCurrentProcessId();
#else
  return static_cast<unsigned long>(::getpid());
#endif
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view contents) {
  const unsigned long processId = ProcessId();
  return ReplaceFileContents(path, contents, [&](int attempt) {
    // "<path>.<process>-<moment>.tmp": no other process, moment or attempt
    // takes the same name.
    const auto ticks = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    char unique[48];
    std::snprintf(unique, sizeof unique, ".%lx-%llx", processId,
                  ticks + static_cast<unsigned long long>(attempt));
    return path + unique + std::string(kPartialFileExtension);
  });
}

}  // namespace stats
