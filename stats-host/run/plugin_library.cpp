#include "stats-host/run/plugin_library.h"

#include <utility>

namespace stats_host {

PluginLoadError::PluginLoadError(const std::filesystem::path& path, std::string entryPoint,
                                 std::string reason)
    : std::runtime_error(path.string() + (entryPoint.empty() ? "" : " " + entryPoint) + ": " +
                         reason),
      path_(path),
      entryPoint_(std::move(entryPoint)),
      reason_(std::move(reason)) {}

}  // namespace stats_host
