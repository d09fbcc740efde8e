#pragma once

// What the other log holds nearest, for each NIL: so that a NIL never says
// "not in the log" without showing what that log does hold. The evidence
// (Note::kNearest) is the other log's QSO with this station nearest in
// corrected time within an hour, on any band, in any mode, in the contest or
// out of it (a frequency read wrongly, a mode not counted); else, within the
// window, its QSO with a call close to this station's (call_edit.h). A NIL
// with neither keeps no evidence.

#include <cstdint>
#include <vector>

#include "crosscheck/check/busted_calls.h"
#include "crosscheck/check/contest.h"
#include "crosscheck/check/verdict.h"

namespace crosscheck {

void FindNearestLines(const Contest& contest, const CallIndex& calls,
                      const std::vector<std::int64_t>& corrected, std::int64_t windowSeconds,
                      std::vector<Judgement>& judgements);

}  // namespace crosscheck
