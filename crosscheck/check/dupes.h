#pragma once

// Repeats within one tour: QSOs of one log with the same call, band and mode
// whose times, corrected by the log's clock offset, fall in the same tour
// (stats/rules/tours.h). Each log is judged by its own times, which its
// participant can check by hand: of a QSO at the change of the hour, the two
// logs' times may fall in two tours. A slip in one side's time (see
// time_slips.h) takes the time of the side that lies in order in its log.
// One of them counts — a confirmed one if any (an exact one before one with a
// miscopied number), else the earliest — and the others are dupes, with the
// one that counts as their evidence.

#include <cstdint>
#include <vector>

#include "crosscheck/check/contest.h"
#include "crosscheck/check/verdict.h"

namespace crosscheck {

// Looks at the QSOs of checked logs that are not out of the contest.
// `corrected`: each QSO's moment by the correct clock.
void MarkDupes(const Contest& contest, const std::vector<std::int64_t>& corrected,
               std::vector<Judgement>& judgements);

}  // namespace crosscheck
