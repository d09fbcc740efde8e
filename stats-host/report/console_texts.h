#pragma once

// Every word stats-host says on its standard output and standard error, in
// English and in Russian (UTF-8): the report, the run's messages, the command
// line's, the help (console_help.cpp). Patterns hold "{}" for the values named in the comments.
// The English texts are the ones scripts read: output that goes to a file or
// a pipe is always in English.

#include <array>
#include <string_view>

#include "logs/text/ascii.h"
#include "logs/text/report_language.h"
#include "stats-host/run/run_texts.h"

namespace stats_host {

// The labels of the plug-in's summary as the report shows them.
struct SummaryWords {
  std::string_view bandHeading;             // over the band names
  std::array<std::string_view, 5> columns;  // QSOs, Points, CW, SSB, Kvant
  std::string_view total;
  std::string_view contestant;  // before the call
  std::string_view score;       // before the score
  std::string_view metres;      // after a band named by its wavelength in metres
  // Numbers of this many digits or more are grouped: 10 220 rather than 10220.
  std::size_t groupedDigits = logs::kUngrouped;
};

struct ConsoleTexts {
  RunTexts run;
  SummaryWords summary;

  // The report.
  std::string_view refused;       // the count, where the lines are
  std::string_view refusedNone;   // the count when there is none
  std::string_view refusedCount;  // the count: the number
  std::string_view refusedOne;    // the count when it is 1
  std::string_view record;        // the record number, four wide
  std::string_view repeats;       // the count
  std::string_view repeatsNone;
  // date, time, call, band, mode, the earlier record, its time
  std::string_view repeat;
  std::string_view repeatRefused;   // after a repeat that the plug-in refused
  std::string_view cabrilloLog;     // the file or notWritten
  std::string_view settingsFile;    // notWritten
  std::string_view htmlReport;      // the file or notWritten
  std::string_view notInResult;     // skipped records, all records: at the top
  std::string_view skipped;         // skipped records, all records: over their list
  std::string_view skippedByte;     // where a skipped record begins
  std::string_view skippedMore;     // how many more were skipped than listed
  std::string_view notWritten;      // the file, why
  std::string_view zeroScore;       // why the score is 0 with QSOs counted
  std::string_view nothingCounted;  // why the score is 0 without
  bool dayFirstDates = false;       // 18.02.2024 rather than 2024-02-18

  // The program.
  std::string_view fileNotWritten;  // the file, why
  std::string_view recordsSkipped;  // skipped records, all records
  std::string_view tryHelp;
  std::string_view outOfMemory;
  std::string_view reportNotWritten;
  // Why the page was not written: the system's reason.
  std::string_view pageNotMade;
  std::string_view pageNotWhole;
  std::string_view pageNotReplaced;
  std::string_view htmlWritten;  // the file, on a line of its own
  std::string_view pressEnter;

  // The command line.
  std::string_view noLog;
  std::string_view oneLog;
  std::string_view unknownOption;  // the option
  std::string_view needsValue;     // the option
  std::string_view callControl;
  std::string_view htmlNeedsFile;
  std::string_view langValue;  // the value given
  std::string_view dateValue;  // the value given
};

const ConsoleTexts& ConsoleTextsOf(logs::ReportLanguage language);

// --help; "@PLUGIN@" stands for the plug-in's file name.
std::string_view HelpOf(logs::ReportLanguage language);

// What a window of its own shows when stats-host is started without a log.
std::string_view ShortUsageOf(logs::ReportLanguage language);

}  // namespace stats_host
