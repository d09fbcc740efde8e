#include "tools/contest-sim/station_clock.h"

#include <cmath>

namespace contest_sim {

std::int64_t StationClock::OffsetAt(std::int64_t second) const {
  const auto drift = static_cast<std::int64_t>(std::lround(driftPerHour * second / 3600.0));
  return offset + drift + (second >= jumpAt ? jumpBy : 0);
}

StationClock RealisticClock(Random& random, std::int64_t contestSeconds) {
  StationClock clock;
  const double roll = random.Uniform();
  if (roll < 0.60) {
    clock.offset = random.Between(-5, 5);
  } else if (roll < 0.80) {
    clock.offset = random.Between(-60, 60);
  } else if (roll < 0.90) {
    clock.offset = random.Between(-300, 300);
  } else if (roll < 0.95) {
    clock.offset = random.Between(-900, 900);
  } else if (roll < 0.98) {
    clock.offset = random.Between(-1800, 1800);
  } else {
    // Local time: Russia's zones are 2 to 12 hours ahead of UTC; a few guess
    // summer time wrongly.
    const std::int64_t hours = random.Chance(0.1)   ? -1
                               : random.Chance(0.5) ? 3
                                                    : random.Between(2, 12);
    clock.offset = hours * 3600 + random.Between(-60, 60);
  }
  if (random.Chance(0.02)) {
    clock.driftPerHour = static_cast<double>(random.Between(-20, 20));
  }
  if (random.Chance(0.02)) {
    clock.jumpAt = random.Between(contestSeconds / 8, contestSeconds * 7 / 8);
    // Set right (to the network's few seconds), or by hand to another error.
    clock.jumpBy = random.Chance(0.5) ? random.Between(-5, 5) - clock.OffsetAt(clock.jumpAt)
                                      : random.Between(-600, 600);
  }
  return clock;
}

}  // namespace contest_sim
