#pragma once

// An ADIF log, read with stats-host's reader and mapped into QSOs the way
// stats-host hands them to the plug-in: the same repairs, and the same records
// skipped, each listed in the log's repairs.

#include <string_view>

#include "logs/file/log_file.h"

namespace logs {

// Fills `log` (whose path is set) from the file's bytes. A file that breaks
// the ADIF syntax gets a failure instead.
void ReadAdif(std::string_view bytes, LogFile& log);

}  // namespace logs
