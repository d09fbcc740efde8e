#pragma once

// Anchors: the pairs of QSOs that time does not identify. Within a link group
// (two logs, one band, one mode), a QSO of the one log and a QSO of the other
// whose numbers agree both ways — what the one sent the other received, and
// back — are the same QSO, whatever the two clocks say. The clock estimate
// starts from them, so that clocks minutes or hours off are found even where
// the two stations worked each other in every tour.

#include <cstdint>
#include <vector>

#include "crosscheck/check/exchange_check.h"
#include "crosscheck/check/qso_links.h"

namespace crosscheck {

struct Anchor {
  std::uint32_t low = 0;  // the low log's link (see LinkGroup)
  std::uint32_t high = 0;
};

// Each QSO anchors with at most a few of the other side, the nearest in
// logged time first (a station that sends the same number every time agrees
// with every QSO), and only within `span` seconds.
std::vector<Anchor> FindAnchors(const Contest& contest, const QsoLinks& links,
                                const ExchangeCheck& exchanges, std::int64_t span);

}  // namespace crosscheck
