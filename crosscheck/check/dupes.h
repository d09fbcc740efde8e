#pragma once

// Repeats within one tour: QSOs of one log with the same call, band and mode
// whose times, corrected by the clock offsets, fall in the same tour
// (stats/rules/tours.h; a QSO that the other log holds too takes the mean of
// both corrected times). One of them counts — a confirmed one if any (an exact
// one before one with a miscopied number), else the earliest — and the others
// are dupes, with the one that counts as their evidence.

#include <cstdint>
#include <vector>

#include "crosscheck/check/clock_estimate.h"
#include "crosscheck/check/contest.h"
#include "crosscheck/check/verdict.h"

namespace crosscheck {

// Looks at the QSOs of checked logs that are not out of the contest.
void MarkDupes(const Contest& contest, const std::vector<ClockEstimate>& clocks,
               std::vector<Judgement>& judgements);

}  // namespace crosscheck
