#pragma once

// Tours: a station may be worked again on the same band and mode only in
// another tour. A tour is one clock hour of UTC, and tours are told apart by
// the hour of the day alone, so the same hour of another day is the same tour.

#include <cstdint>

#include "stats/rules/calendar.h"

namespace stats {

inline constexpr int kToursPerDay = 24;
inline constexpr int kSecondsPerTour = 60 * 60;
static_assert(kToursPerDay * kSecondsPerTour == kSecondsPerDay);

// The tour (0 to 23) of a time of day, given as the second of the day.
constexpr int TourOfSecondOfDay(int secondOfDay) noexcept { return secondOfDay / kSecondsPerTour; }

// The tour of a time of day given as hour (0 to 23), minute and second.
constexpr int TourOf(int hour, int minute, int second) noexcept {
  return TourOfSecondOfDay((hour * 60 + minute) * 60 + second);
}

// The tour of a moment given in seconds from any midnight, before it too.
constexpr int TourOfMoment(std::int64_t second) noexcept {
  const std::int64_t ofDay = second % kSecondsPerDay;
  return TourOfSecondOfDay(static_cast<int>(ofDay < 0 ? ofDay + kSecondsPerDay : ofDay));
}

}  // namespace stats
