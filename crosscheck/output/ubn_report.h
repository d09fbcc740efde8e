#pragma once

// ubn/<CALL>.txt: what the check found in one participant's log, in the
// chosen language, UTF-8 with a byte-order mark and CR LF line ends (so that
// any Windows editor shows it right): the scores, the clock offset found, every
// QSO not confirmed with its verdict, its evidence and the right call, how
// other stations copied this one (its call or its number busted in their
// logs), and the repairs made while reading the log.

#include <string>
#include <vector>

#include "crosscheck/check/check_contest.h"
#include "logs/text/report_language.h"

namespace crosscheck {

// For each log, the QSOs of other logs that busted its call or its number.
std::vector<std::vector<QsoId>> CopiedWrongBy(const Contest& contest, const CheckResult& result);

std::string UbnReport(const Contest& contest, const CheckResult& result,
                      const CheckOptions& options, LogId log, const std::vector<QsoId>& copiedWrong,
                      logs::ReportLanguage language);

}  // namespace crosscheck
