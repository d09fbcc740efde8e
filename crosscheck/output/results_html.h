#pragma once

// results.html: the results by category and the contest-wide figures (the
// share of each verdict, the clock offsets found), as one self-contained page
// in the look of stats-host's report. The same input gives the same bytes.

#include <string>
#include <vector>

#include "crosscheck/check/check_contest.h"
#include "crosscheck/output/standings.h"
#include "logs/text/report_language.h"

namespace crosscheck {

std::string ResultsHtml(const Contest& contest, const CheckResult& result,
                        const CheckOptions& options,
                        const std::vector<CategoryStandings>& standings,
                        const std::vector<LogId>& order, logs::ReportLanguage language);

}  // namespace crosscheck
