#pragma once

// The outputs of a run written into OUT as one set (files/output_set.h):
// verdicts.jsonl, logs.jsonl, results.csv, results.html and the folder ubn/
// with a report per checked log. Either all of them replace the earlier ones,
// or none does and every earlier one stays as it was.

#include <cstddef>
#include <string>
#include <vector>

#include "crosscheck/check/check_contest.h"
#include "crosscheck/command_line.h"
#include "files/file_system.h"
#include "logs/text/report_language.h"

namespace crosscheck {

struct WrittenOutputs {
  bool written = false;               // the whole set replaced the earlier one
  std::size_t reports = 0;            // files in ubn/, when written
  std::vector<std::string> problems;  // why not, or what is left over; one line each
};

WrittenOutputs WriteOutputs(files::FileSystem& files, const Contest& contest,
                            const CheckResult& result, const Options& options,
                            logs::ReportLanguage language);

}  // namespace crosscheck
