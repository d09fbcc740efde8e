#include <system_error>

#include "stats-host/run/plugin_location.h"

namespace stats_host {

const char kPluginFileName[] = "libStats.so";

std::filesystem::path ProgramPath() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error);
}

}  // namespace stats_host
