#pragma once

// What crosscheck tells the person at the console, in English and in Russian
// (UTF-8): its help and its summary. Texts with {0}, {1}, ... take values
// through logs::Substituted.

#include <string_view>

#include "logs/text/report_language.h"

namespace crosscheck {

struct ConsoleTexts {
  std::string_view description;     // the help, before the options
  std::string_view runHelp;         // after a usage error
  std::string_view logsLine;        // {0} checked, {1} superseded, {2} not read
  std::string_view qsoLines;        // {0}
  std::string_view notRead;         // {0} file, {1} why
  std::string_view written;         // {0} OUT, {1} reports
  std::string_view nothingWritten;  // {0} OUT
  std::string_view pressEnter;
};

const ConsoleTexts& ConsoleTextsOf(logs::ReportLanguage language);

}  // namespace crosscheck
