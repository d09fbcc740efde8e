#pragma once

// logs.jsonl: one JSON object per file given, in output order: log, file,
// status ("checked", "superseded", "not read") with its reason, format,
// encoding, category (one of the contest's, or empty) and category_written (as
// the header has it), clock_offset_s (positive when the log's clock was ahead)
// with the matches it rests on, claimed, checked, reduction_percent, the
// points and Kvant, the QSO lines per verdict, and the repairs made while
// reading.

#include <string>
#include <vector>

#include "crosscheck/check/check_contest.h"

namespace crosscheck {

std::string LogsJsonl(const Contest& contest, const CheckResult& result,
                      const std::vector<LogId>& order);

}  // namespace crosscheck
