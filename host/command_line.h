#pragma once

// The command line of stats-host and its help text.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/page/report_language.h"
#include "host/run/scoring_run.h"

namespace host {

struct Options {
  RunRequest run;
  std::optional<ReportLanguage> language;  // default: the user's
  bool repeats = false;
  bool raw = false;
  bool help = false;
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The arguments after the program name. Options take their value as the next
// argument or after "="; "--" ends the options. Throws UsageError.
Options ParseCommandLine(const std::vector<std::string>& arguments);

std::string HelpText();

}  // namespace host
