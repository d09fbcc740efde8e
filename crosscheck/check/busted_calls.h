#pragma once

// Busted calls: a QSO whose logged call sent no log and is in no other log,
// while a station one edit away from that call (see OneEditApart) has a QSO
// with this log at that time, on that band and in that mode which nothing
// else confirms. The two QSOs are paired: this one is a busted call with the
// right call named, the other station's is confirmed by it. Of several such
// stations, one whose call differs by a CW-alike letter comes first, then the
// nearest in time.

#include <cstdint>
#include <vector>

#include "crosscheck/check/clock_estimate.h"
#include "crosscheck/check/contest.h"
#include "crosscheck/check/verdict.h"

namespace crosscheck {

struct CallIndex {
  std::vector<LogId> logOfCall;         // the checked log of each call, or kNone
  std::vector<std::uint32_t> logsWith;  // in how many checked logs each call is
};

// Reads and extends `partner` (see PairWithinWindow); sets the busted-call
// judgements.
void FindBustedCalls(const Contest& contest, const CallIndex& calls,
                     const std::vector<ClockEstimate>& clocks, const std::vector<bool>& matchable,
                     std::int64_t windowSeconds, std::vector<QsoId>& partner,
                     std::vector<Judgement>& judgements);

}  // namespace crosscheck
