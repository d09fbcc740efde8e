#pragma once

// A station's clock as contests meet them: most are set by the network and
// right to a few seconds; others were set by hand and are off by up to a
// minute or a few minutes; some were never set and are up to half an hour
// off; a few logs are kept in local time (whole hours ahead, Kaliningrad to
// Kamchatka, or an hour behind after a wrong summer-time guess). Besides, a
// few clocks drift through the contest (a cheap clock, seconds an hour), and
// a few jump once: set right by the operator, or by the network, halfway.

#include <cstdint>

#include "tools/contest-sim/random.h"

namespace contest_sim {

struct StationClock {
  std::int64_t offset = 0;          // seconds ahead at the contest's start
  double driftPerHour = 0;          // seconds gained an hour
  std::int64_t jumpAt = INT64_MAX;  // seconds from the start when it jumps
  std::int64_t jumpBy = 0;

  // Seconds ahead `second` seconds after the contest's start.
  std::int64_t OffsetAt(std::int64_t second) const;
};

// `contestSeconds`: how long the contest lasts.
StationClock RealisticClock(Random& random, std::int64_t contestSeconds);

}  // namespace contest_sim
