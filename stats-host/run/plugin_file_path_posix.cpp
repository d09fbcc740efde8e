#include "stats-host/run/plugin_file_path.h"

namespace stats_host {

std::filesystem::path PluginFilePath(const std::string& narrowName) { return narrowName; }

}  // namespace stats_host
