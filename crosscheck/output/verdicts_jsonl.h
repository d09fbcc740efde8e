#pragma once

// verdicts.jsonl: one JSON object per QSO line of every checked log, logs in
// output order, lines in file order:
//   log, file, line, call, band, mode, time (as logged), verdict, counted,
//   correct_call (busted-call), other_file and other_line (the evidence; a NIL
//   names the other log's file alone, a dupe the line of its tour that counts).

#include <vector>

#include "crosscheck/check/check_contest.h"
#include "files/output_file.h"

namespace crosscheck {

void WriteVerdicts(const Contest& contest, const CheckResult& result,
                   const std::vector<LogId>& order, files::OutputFile& out);

}  // namespace crosscheck
