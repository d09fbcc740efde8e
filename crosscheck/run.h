#pragma once

// One run of crosscheck: the logs read, the contest checked, the outputs
// written, a summary printed. Returns the exit status.

#include <ostream>
#include <string>
#include <vector>

#include "crosscheck/console_texts.h"
#include "files/file_system.h"

namespace crosscheck {

// The arguments after the program name, in UTF-8; the outputs written
// through `files`; the help and the summary in the words of `texts` (English
// for scripts, the person's language on a console).
int RunCrosscheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                  files::FileSystem& files,
                  const ConsoleTexts& texts = ConsoleTextsOf(logs::ReportLanguage::kEnglish));
// Through the system's own files.
int RunCrosscheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                  const ConsoleTexts& texts = ConsoleTextsOf(logs::ReportLanguage::kEnglish));

// The language for a person at the console: --lang's when the arguments give
// one it knows, else the user's.
logs::ReportLanguage ConsoleLanguage(const std::vector<std::string>& arguments);

}  // namespace crosscheck
