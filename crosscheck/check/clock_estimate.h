#pragma once

// Each log's clock offset, from the times at which the two logs of one QSO
// logged it: the difference of the two times is the difference of the two
// clocks. A log's offset is the robust centre of those differences, each
// corrected by the other log's latest offset, and the estimate is iterated
// log by log:
//  1. first from every pair of QSOs of a group within a day of each other,
//     by the densest two minutes of the differences, so that a clock an hour
//     off is found although the station was worked in every tour;
//  2. then only from unambiguous matches: two QSOs within the window of each
//     other, neither with another candidate within it.
// The offsets are then shifted so that their median is zero: most clocks in
// a contest are right, and only differences can be seen. A log needs three
// QSOs that agree on its offset; without them its clock is taken as right.

#include <cstdint>
#include <vector>

#include "crosscheck/check/qso_links.h"

namespace crosscheck {

struct ClockEstimate {
  std::int64_t offset = 0;    // seconds; positive when the clock is ahead
  std::uint32_t matches = 0;  // the QSOs it rests on; 0: unknown, taken as right
};

std::vector<ClockEstimate> EstimateClocks(const QsoLinks& links, std::size_t logCount,
                                          std::int64_t windowSeconds);

}  // namespace crosscheck
