#pragma once

// The whole run of stats-host: read and check the log, load the plug-in, hand
// it the log as the host does, and report.

#include <ostream>
#include <string>
#include <vector>

namespace host {

inline constexpr int kExitScored = 0;
inline constexpr int kExitFolderFailed = 1;
inline constexpr int kExitBadInput = 2;

// `arguments` without the program name. The report goes to `out`, warnings and
// errors to `err`. Nothing is written to disk before the log has been read
// completely and the plug-in has been loaded.
int RunStatsHost(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace host
