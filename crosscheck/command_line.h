#pragma once

// The command line of crosscheck: crosscheck [OPTIONS] --out OUT LOG...

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "crosscheck/check/check_options.h"
#include "crosscheck/console_texts.h"
#include "logs/text/report_language.h"

namespace crosscheck {

struct Options {
  CheckOptions check;
  std::filesystem::path out;
  std::vector<std::filesystem::path> logs;       // files and folders, as given
  std::filesystem::path categories;              // the organisers' categories file; empty: none
  std::optional<std::filesystem::path> entries;  // the calls and categories entered
  std::optional<logs::ReportLanguage> language;  // default: the user's
};

// What the command line asked for: a run, the help text or a usage error
// (both to be printed; the first with status 0, the second with status 2).
struct CommandLine {
  std::optional<Options> options;
  std::string message;
  bool usageError = false;
};

// The arguments after the program name, in UTF-8; the help and the hint after
// a usage error in the words of `texts`.
CommandLine ParseCommandLine(
    const std::vector<std::string>& arguments,
    const ConsoleTexts& texts = ConsoleTextsOf(logs::ReportLanguage::kEnglish));

}  // namespace crosscheck
