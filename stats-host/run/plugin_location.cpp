#include "stats-host/run/plugin_location.h"

#include <system_error>

#include "files/system_path.h"

namespace stats_host {

std::vector<std::filesystem::path> PluginCandidates(const std::filesystem::path& programFolder) {
  return {programFolder / kPluginFileName, programFolder / "Plugins" / kPluginFileName,
          files::NormalPath(programFolder / ".." / "stats" / kPluginFileName)};
}

std::filesystem::path DefaultPluginPath() {
  const auto candidates = PluginCandidates(ProgramPath().parent_path());
  for (const auto& candidate : candidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate;
  }
  return candidates.front();
}

}  // namespace stats_host
