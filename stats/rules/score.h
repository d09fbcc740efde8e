#pragma once

// Points and score: every QSO with a call sign scores one point, and the score
// is the total points times the total Kvant (see kvant.h).

#include <cstdint>

namespace stats {

inline constexpr std::int64_t kPointsPerQso = 1;

// The score of the totals, clamped to the signed 32-bit range.
std::int32_t ClampedScore(std::int64_t points, std::int64_t kvant) noexcept;

}  // namespace stats
