#pragma once

// The command line of stats-host and its help text.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "logs/text/report_language.h"
#include "stats-host/report/console_texts.h"
#include "stats-host/run/scoring_run.h"

namespace stats_host {

struct Options {
  RunRequest run;
  std::optional<logs::ReportLanguage> language;  // default: the user's
  bool repeats = false;
  bool raw = false;
  bool help = false;
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An argument that names a file: UTF-8 on every system (on Windows stats-host
// takes its arguments from the UTF-16 command line), as the system's path.
std::filesystem::path PathOfArgument(const std::string& utf8);

// The arguments after the program name, in UTF-8. Options take their value as
// the next argument or after "="; "--" ends the options. Throws UsageError,
// in the words of `texts`.
Options ParseCommandLine(
    const std::vector<std::string>& arguments,
    const ConsoleTexts& texts = ConsoleTextsOf(logs::ReportLanguage::kEnglish));

std::string HelpText(logs::ReportLanguage language = logs::ReportLanguage::kEnglish);

}  // namespace stats_host
