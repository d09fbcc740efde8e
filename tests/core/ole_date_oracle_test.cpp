// The system's own conversion of OLE dates (oleaut32) as an independent check
// of ours, over whole and fractional seconds, both sides of the epoch.

#include <gtest/gtest.h>
#include <windows.h>
// After <windows.h>, which it needs.
#include <oleauto.h>

#include <random>

#include "stats/ole_date.h"

namespace stats {
namespace {

::testing::AssertionResult MatchesSystem(double date) {
  SYSTEMTIME system{};
  if (!VariantTimeToSystemTime(date, &system)) return ::testing::AssertionSuccess();
  const auto ours = ToCalendarTime(OleDateTime{date, 0});
  if (!ours) return ::testing::AssertionFailure() << date << ": no calendar time";
  if (ours->year != system.wYear || ours->month != system.wMonth || ours->day != system.wDay ||
      ours->hour != system.wHour || ours->minute != system.wMinute ||
      ours->second != system.wSecond) {
    return ::testing::AssertionFailure()
           << date << ": ours " << ours->year << "-" << ours->month << "-" << ours->day << " "
           << ours->hour << ":" << ours->minute << ":" << ours->second << ", system "
           << system.wYear << "-" << system.wMonth << "-" << system.wDay << " " << system.wHour
           << ":" << system.wMinute << ":" << system.wSecond;
  }
  return ::testing::AssertionSuccess();
}

TEST(OleDateOracle, WholeSecondsAgreeWithTheSystemAcrossTheRange) {
  std::mt19937 random(20130205);
  std::uniform_int_distribution<int> day(-657434, 2958464);
  std::uniform_int_distribution<int> second(0, 86399);
  for (int i = 0; i < 20000; ++i) {
    const int d = day(random);
    const double fraction = second(random) / 86400.0;
    const double date = d >= 0 ? d + fraction : d - fraction;
    ASSERT_TRUE(MatchesSystem(date));
  }
}

TEST(OleDateOracle, QsoTimesOfAContestDayAgreeWithTheSystem) {
  for (int second = 0; second < 86400; second += 7) {
    ASSERT_TRUE(MatchesSystem(41310.0 + second / 86400.0));
  }
}

}  // namespace
}  // namespace stats
