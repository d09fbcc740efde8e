#pragma once

// Tours: a station may be worked again on the same band and mode only in
// another tour, and a tour is one clock hour.
//
// Kept minimal for the cross-check until the rules become a library of their
// own; the plug-in's live check compares the hour of the day (tour_check).

#include <cstdint>

namespace stats {

// The clock hour of a moment given in seconds from any midnight (UTC): two
// moments are in the same tour when this is the same for both.
constexpr std::int64_t ClockHourOf(std::int64_t second) noexcept {
  return second >= 0 ? second / 3600 : -((-second + 3599) / 3600);
}

}  // namespace stats
