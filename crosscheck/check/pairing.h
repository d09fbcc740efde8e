#pragma once

// Pairs the QSOs of each link group one to one: two QSOs pair when their
// times, each corrected by its log's clock (see Retime), lie within the window.
// The pairs whose numbers agree both ways are taken first, then those that
// agree one way, each kind the closest first, so that a repeat a few minutes
// later or in the next tour pairs with its own counterpart; a QSO confirms at
// most one other.

#include <cstdint>
#include <vector>

#include "crosscheck/check/exchange_check.h"
#include "crosscheck/check/qso_links.h"

namespace crosscheck {

// Sets partner[q] for both QSOs of every pair; the others keep kNone.
void PairWithinWindow(const Contest& contest, const QsoLinks& links, const ExchangeCheck& exchanges,
                      std::int64_t windowSeconds, std::vector<QsoId>& partner);

}  // namespace crosscheck
