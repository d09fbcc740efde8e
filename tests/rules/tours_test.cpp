// Tours: the hour of the day, also for moments before a midnight.

#include "stats/rules/tours.h"

#include <gtest/gtest.h>

namespace stats {
namespace {

TEST(Tours, TheHourOfTheDayIsTheTour) {
  EXPECT_EQ(TourOf(10, 59, 59), 10);
  EXPECT_EQ(TourOf(11, 0, 0), 11);
  EXPECT_EQ(TourOf(23, 59, 59), 23);
  struct Case {
    std::int64_t second;
    int tour;
  };
  for (const Case& c : {Case{0, 0}, Case{3599, 0}, Case{3600, 1}, Case{86399, 23}, Case{86400, 0},
                        Case{86400 * 365 + 7200, 2}, Case{-1, 23}, Case{-3600, 23}, Case{-3601, 22},
                        Case{-86399, 0}, Case{-86400, 0}, Case{-86401, 23}}) {
    EXPECT_EQ(TourOfMoment(c.second), c.tour) << c.second;
  }
}

}  // namespace
}  // namespace stats
