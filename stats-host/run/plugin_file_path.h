#pragma once

// A file that the plug-in names with a narrow text, such as its Cabrillo log
// named after the contestant's call: the path it opens, through the one
// conversion that the plug-in's own file calls make (the ANSI code page on
// Windows, the bytes as they are elsewhere), so that stats-host checks the
// very file the plug-in wrote, whatever letters the call has.

#include <filesystem>
#include <string>

namespace stats_host {

std::filesystem::path PluginFilePath(const std::string& narrowName);

}  // namespace stats_host
