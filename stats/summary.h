#pragma once

// Scoring: one point per QSO; the multiplier ("Kvant") counts the distinct
// marked stations per band, once in CW and once in the other modes together;
// the score is the total points times the total multiplier.

#include <cstdint>
#include <string>
#include <string_view>

#include "stats/store.h"

namespace stats {

struct ContestResult {
  std::string summaryText;
  std::int32_t score = 0;
};

// Orders the band list (see OrderBands) and scores the store from its per-band counts.
ContestResult ScoreContest(const QsoStore& store, BandList& bands, std::string_view contestDate,
                           std::string_view contestantCall);

// The product of the totals, clamped to the signed 32-bit range.
std::int32_t ClampedScore(std::int64_t points, std::int64_t kvant) noexcept;

}  // namespace stats
