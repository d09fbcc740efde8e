#pragma once

// A log dropped onto stats-host.exe in Explorer: scored into a folder of its
// own beside it, with the HTML page there.

#include <filesystem>

#include "stats-host/command_line.h"

namespace stats_host {

// The first of LOG, "LOG (2)", "LOG (3)"... beside the log that does not
// exist yet, LOG being the log's name without its extension.
std::filesystem::path NewFolderBeside(const std::filesystem::path& log);

// The run for the log: the working folder NewFolderBeside, the HTML page
// LOG.html in it.
Options DroppedLogOptions(const std::filesystem::path& log);

}  // namespace stats_host
