#pragma once

// Where the outputs may go: never among the logs. OUT that is a folder of
// logs given, or lies inside one, would mix the outputs with the logs (a log
// named results.csv would be replaced); a log given that lies inside OUT
// likewise. Paths are compared by what they name (files/path_identity.h),
// not by their spelling.

#include <optional>
#include <string>

#include "crosscheck/command_line.h"

namespace crosscheck {

// Why the outputs can not go into OUT; nothing when they can.
std::optional<std::string> OutFolderAmongLogs(const Options& options);

}  // namespace crosscheck
