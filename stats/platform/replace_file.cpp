#include "stats/platform/replace_file.h"

#include <chrono>
#include <cstdio>

#include "stats/public/plugin_names.h"

namespace stats {

std::string TemporaryFileName(const std::string& path, std::uint32_t processId, int attempt) {
  const auto ticks =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  char unique[48];
  std::snprintf(unique, sizeof unique, ".%lx-%llx", static_cast<unsigned long>(processId),
                ticks + static_cast<unsigned long long>(attempt));
  return path + unique + std::string(kPartialFileExtension);
}

}  // namespace stats
