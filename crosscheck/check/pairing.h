#pragma once

// Pairs the QSOs of each link group one to one: two QSOs pair when their
// times, each corrected by its log's clock offset, lie within the window;
// the closest pairs are taken first, so that a repeat in the next tour pairs
// with its own counterpart and a QSO confirms at most one other.

#include <cstdint>
#include <vector>

#include "crosscheck/check/clock_estimate.h"
#include "crosscheck/check/qso_links.h"

namespace crosscheck {

// Sets partner[q] for both QSOs of every pair; the others keep kNone.
void PairWithinWindow(const QsoLinks& links, const std::vector<ClockEstimate>& clocks,
                      std::int64_t windowSeconds, std::vector<QsoId>& partner);

}  // namespace crosscheck
