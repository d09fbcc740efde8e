#pragma once

// One run of crosscheck: the logs read, the contest checked, the outputs
// written, a summary printed. Returns the exit status.

#include <ostream>
#include <string>
#include <vector>

#include "files/file_system.h"

namespace crosscheck {

// The arguments after the program name, in UTF-8; the outputs written
// through `files`.
int RunCrosscheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                  files::FileSystem& files);
// Through the system's own files.
int RunCrosscheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace crosscheck
