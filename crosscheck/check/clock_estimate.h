#pragma once

// Each log's clock offset, from the times at which the two logs of one QSO
// logged it: the difference of the two times is the difference of the two
// clocks. A log's offset is the robust centre of those differences (the
// median of the densest two minutes, then the mean around it), each
// corrected by the other log's latest offset, and the estimate is iterated
// log by log until nothing moves:
//  1. first from the anchors (anchors.h): pairs whose numbers agree both ways,
//     which hold whatever the clocks say; a log with fewer than three of them
//     takes every pair of QSOs of a group within a day of each other instead;
//  2. then from the anchors and the unambiguous matches: two QSOs within the
//     window of each other, neither with another candidate within it;
//  3. then a clock that jumped or drifted is split where it changed: where the
//     anchors' differences, in the log's file order (the order the QSOs were
//     logged in: a clock set back logs earlier times after later ones), step
//     by 40 s or more with 8 anchors on each side, and by more the fewer
//     anchors there are, 150 s times the root of 1/n + 1/m (where exactly: the fewest
//     anchors on the wrong side, and between two anchors, where the log's own
//     times show a gap forward or a step backwards of the change). Each part
//     takes its own offset, and step 2 runs again.
// The offsets are shifted so that their median is zero: most clocks in a
// contest are right, and only differences can be seen. A log needs three
// QSOs that agree on its offset; without them its clock is taken as right.

#include <cstdint>
#include <vector>

#include "crosscheck/check/anchors.h"
#include "crosscheck/check/qso_links.h"

namespace crosscheck {

struct ClockChange {
  QsoId from = 0;  // the first QSO, in the log's file order, with this offset
  std::int64_t offset = 0;
  std::uint32_t matches = 0;
};

struct ClockEstimate {
  std::int64_t offset = 0;           // seconds; positive when the clock is ahead
  std::uint32_t matches = 0;         // the QSOs it rests on; 0: unknown, taken as right
  std::uint32_t considered = 0;      // the QSOs with other logs that had a say
  std::vector<ClockChange> changes;  // later offsets, when the clock jumped or drifted

  // The offset at one of the log's QSOs.
  std::int64_t OffsetOf(QsoId qso) const {
    std::int64_t at = offset;
    for (const ClockChange& change : changes) {
      if (qso >= change.from) at = change.offset;
    }
    return at;
  }
};

std::vector<ClockEstimate> EstimateClocks(const Contest& contest, const QsoLinks& links,
                                          const std::vector<Anchor>& anchors,
                                          std::int64_t windowSeconds);

}  // namespace crosscheck
