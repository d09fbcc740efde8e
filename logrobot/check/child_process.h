#pragma once

// A program run to its end in a folder, its arguments handed over as they
// are (no shell), standard input from /dev/null and standard output and error
// into a file.

#include <filesystem>
#include <string>
#include <vector>

namespace logrobot {

// The exit status, or -1 when the program could not start or did not end
// normally (then `output` says why).
int RunProgram(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
               const std::filesystem::path& output);

}  // namespace logrobot
