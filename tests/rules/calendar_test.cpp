#include "stats/rules/calendar.h"

#include <gtest/gtest.h>

namespace stats {
namespace {

TEST(Calendar, KnownDays) {
  const struct {
    CivilDate date;
    long day;
    int weekday;  // 1 = Sunday
  } cases[] = {
      {{100, 1, 1}, kFirstOleDay, 6}, {{1899, 12, 30}, 0, 7},    {{1900, 1, 1}, 2, 2},
      {{1900, 3, 1}, 61, 5},          {{1970, 1, 1}, 25569, 5},  {{2000, 3, 1}, 36586, 4},
      {{2013, 2, 5}, 41310, 3},       {{2024, 2, 18}, 45340, 1}, {{9999, 12, 31}, kLastOleDay, 6},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DaysSinceOleEpoch(c.date), c.day) << c.day;
    EXPECT_EQ(DateOfOleDay(c.day), c.date) << c.day;
    EXPECT_EQ(DayOfWeek(c.day), c.weekday) << c.day;
  }
}

// Day by day over every day an OLE date can hold, against a calendar that
// only counts: the next day, month and year, and the next weekday.
TEST(Calendar, EveryOleDayFollowsTheDayBefore) {
  CivilDate expected{100, 1, 1};
  int weekday = DayOfWeek(kFirstOleDay);
  int dayOfYear = 1;
  for (long day = kFirstOleDay; day <= kLastOleDay; ++day) {
    ASSERT_EQ(DateOfOleDay(day), expected) << day;
    ASSERT_EQ(DaysSinceOleEpoch(expected), day);
    ASSERT_EQ(DayOfWeek(day), weekday) << day;
    ASSERT_EQ(DayOfYear(expected), dayOfYear) << day;
    weekday = weekday % 7 + 1;
    ++dayOfYear;
    if (++expected.day > DaysInMonth(expected.year, expected.month)) {
      expected.day = 1;
      if (++expected.month > 12) expected = {expected.year + 1, 1, 1}, dayOfYear = 1;
    }
  }
  EXPECT_EQ(expected, (CivilDate{10000, 1, 1}));
}

TEST(Calendar, LeapYearsSkipCenturiesButNotTheirFourHundreds) {
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2100, 2), 28);
  EXPECT_EQ(DayOfYear({2024, 12, 31}), 366);
}

}  // namespace
}  // namespace stats
