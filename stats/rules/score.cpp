#include "stats/rules/score.h"

#include <limits>

namespace stats {

std::int32_t ClampedScore(std::int64_t points, std::int64_t kvant) noexcept {
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  const std::int64_t score = points * kvant;  // both below 2^31: no overflow in 64 bits
  return static_cast<std::int32_t>(score > kMax ? kMax : (score < kMin ? kMin : score));
}

}  // namespace stats
