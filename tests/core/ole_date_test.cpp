#include "stats/ole_date.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tests/support/ole_dates.h"

namespace stats {
namespace {

using testing::OleDate;
using testing::ValidDate;

CalendarTime Calendar(double date) {
  const auto calendar = ToCalendarTime(ValidDate(date));
  EXPECT_TRUE(calendar.has_value()) << date;
  return calendar.value_or(CalendarTime{});
}

TEST(OleDate, EveryDayFrom1900To2100MatchesPlainDayCounting) {
  for (int year = 1900; year <= 2100; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        const double date = OleDate(year, month, day, 13, 7, 9);
        const CalendarTime calendar = Calendar(date);
        if (calendar.month != month) continue;  // the day does not exist in this month
        ASSERT_EQ(calendar.year, year);
        ASSERT_EQ(calendar.day, day) << year << "-" << month;
        ASSERT_EQ(calendar.hour, 13);
        ASSERT_EQ(calendar.minute, 7);
        ASSERT_EQ(calendar.second, 9);
      }
    }
  }
}

TEST(OleDate, LeapDaysAndCenturies) {
  EXPECT_EQ(Calendar(OleDate(2000, 2, 29)).day, 29);
  EXPECT_EQ(Calendar(OleDate(2000, 2, 29)).dayOfYear, 60);
  EXPECT_EQ(Calendar(OleDate(1900, 3, 1)).month, 3);  // 1900 has no 29 February
  EXPECT_EQ(Calendar(OleDate(2024, 12, 31)).dayOfYear, 366);
  EXPECT_EQ(Calendar(OleDate(2013, 2, 5)).dayOfWeek, 3);  // a Tuesday
  EXPECT_EQ(Calendar(0.0).year, 1899);
  EXPECT_EQ(Calendar(0.0).month, 12);
  EXPECT_EQ(Calendar(0.0).day, 30);
}

TEST(OleDate, RoundsToTheNearestSecond) {
  const CalendarTime up = Calendar(OleDate(2013, 2, 5, 10, 59, 59.51));
  EXPECT_EQ(up.hour, 11);
  EXPECT_EQ(up.minute, 0);
  EXPECT_EQ(up.second, 0);
  const CalendarTime down = Calendar(OleDate(2013, 2, 5, 10, 59, 59.4));
  EXPECT_EQ(down.hour, 10);
  EXPECT_EQ(down.second, 59);
  const CalendarTime nextDay = Calendar(OleDate(2013, 2, 5, 23, 59, 59.6));
  EXPECT_EQ(nextDay.day, 6);
  EXPECT_EQ(nextDay.hour, 0);
}

TEST(OleDate, NegativeDatesCountTheTimeForwardFromMidnight) {
  const CalendarTime calendar = Calendar(-1.25);  // 29 December 1899, 06:00
  EXPECT_EQ(calendar.year, 1899);
  EXPECT_EQ(calendar.month, 12);
  EXPECT_EQ(calendar.day, 29);
  EXPECT_EQ(calendar.hour, 6);
  const CalendarTime halfDay = Calendar(-0.5);  // 30 December 1899, 12:00
  EXPECT_EQ(halfDay.day, 30);
  EXPECT_EQ(halfDay.hour, 12);
}

TEST(OleDate, RangeAndStatusDecideWhetherThereIsATime) {
  EXPECT_TRUE(ToCalendarTime(ValidDate(kMinOleDate)).has_value());
  EXPECT_TRUE(ToCalendarTime(ValidDate(kMaxOleDate)).has_value());
  EXPECT_EQ(Calendar(kMinOleDate).year, 100);
  EXPECT_EQ(Calendar(kMaxOleDate).year, 9999);
  EXPECT_FALSE(ToCalendarTime(ValidDate(std::nextafter(kMinOleDate, -1e9))).has_value());
  EXPECT_FALSE(ToCalendarTime(ValidDate(std::nextafter(kMaxOleDate, 1e9))).has_value());
  EXPECT_FALSE(ToCalendarTime(ValidDate(std::numeric_limits<double>::quiet_NaN())).has_value());
  EXPECT_FALSE(ToCalendarTime(ValidDate(std::numeric_limits<double>::infinity())).has_value());
  EXPECT_FALSE(ToCalendarTime(ValidDate(-std::numeric_limits<double>::infinity())).has_value());
  for (const std::int32_t status : {1, 2, 3, -1}) {
    EXPECT_FALSE(ToCalendarTime(OleDateTime{OleDate(2013, 2, 5), status}).has_value()) << status;
  }
}

TEST(OleDate, FormatsThePatternsOfTheLogs) {
  const OleDateTime qsoTime = ValidDate(OleDate(2013, 2, 5, 9, 7, 30));
  EXPECT_EQ(FormatOleDateTime(qsoTime, "%Y-%m-%d %H%M"), "2013-02-05 0907");
  EXPECT_EQ(FormatOleDateTime(qsoTime, "%d.%m.%Y"), "05.02.2013");
  EXPECT_EQ(FormatOleDateTime(ValidDate(kMinOleDate), "%Y"), "0100");
  EXPECT_EQ(FormatOleDateTime(OleDateTime{OleDate(2013, 2, 5), 2}, "%d.%m.%Y"), "");
  EXPECT_EQ(FormatOleDateTime(ValidDate(std::numeric_limits<double>::quiet_NaN()), "%Y"), "");
  std::string longPattern;
  for (int i = 0; i < 40; ++i) longPattern += "%Y";
  EXPECT_EQ(FormatOleDateTime(qsoTime, longPattern).size(), 128u);  // as the host's buffer holds
}

TEST(OleDate, ReadsTheHostObjectAndTakesNullAsNullDate) {
  const StatsDateTime host = testing::HostDate(41310.25, kStatsDateInvalid);
  const OleDateTime value = ReadHostDateTime(&host);
  EXPECT_EQ(value.date, 41310.25);
  EXPECT_EQ(value.status, kStatsDateInvalid);
  EXPECT_EQ(ReadHostDateTime(nullptr).status, static_cast<std::int32_t>(OleDateStatus::kNull));
  EXPECT_EQ(sizeof(StatsDateTime), 16u);
}

}  // namespace
}  // namespace stats
