#pragma once

// stats-host from its command line to its exit status.

#include <ostream>
#include <string>
#include <vector>

#include "host/run/scoring_run.h"

namespace host {

// `arguments` without the program name. The report goes to `out`, warnings and
// errors to `err`. The exit status: 0 when every record reached the plug-in
// and every file and the report were written; kExitIncomplete when records
// were skipped or a file or the report was not written (the report still
// comes, and says what); kExitBadInput for a bad command line, a log that can
// not be read or is malformed, or a plug-in that can not be loaded;
// kExitNothingToScore for a log without a QSO to score; kExitFailed when the
// working folder can not be used or memory runs out.
int RunStatsHost(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace host
