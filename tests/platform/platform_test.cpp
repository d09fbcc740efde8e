// The system platform's clock and program start, in both builds.

#include "stats/platform/platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <memory>
#include <string>

#include "tests/support/temp_dir.h"

namespace {

using stats::testing::TempDir;

std::time_t SecondsSinceEpoch(const stats::UtcTime& time) {
  using namespace std::chrono;
  const sys_days day = year{time.year} / time.month / time.day;
  const auto since =
      day.time_since_epoch() + hours{time.hour} + minutes{time.minute} + seconds{time.second};
  return static_cast<std::time_t>(duration_cast<seconds>(since).count());
}

TEST(SystemPlatform, CurrentUtcTimeIsTheClockInUtc) {
  const auto platform = stats::MakeSystemPlatform();
  const std::time_t before = std::time(nullptr);
  const stats::UtcTime now = platform->CurrentUtcTime();
  const std::time_t after = std::time(nullptr);

  EXPECT_GE(SecondsSinceEpoch(now), before - 1);
  EXPECT_LE(SecondsSinceEpoch(now), after + 1);
  EXPECT_GE(now.milliseconds, 0);
  EXPECT_LE(now.milliseconds, 999);
  const std::tm* expected = std::gmtime(&before);
  EXPECT_EQ(now.year, expected->tm_year + 1900);
}

TEST(SystemPlatform, StartingAMissingProgramFails) {
  const auto platform = stats::MakeSystemPlatform();
  const TempDir folder;
  EXPECT_FALSE(platform->StartProgram(folder.Path("Zarnik.exe", '\\')));
  EXPECT_FALSE(platform->StartProgram(".\\no_such_folder\\Zarnik.exe"));
}

}  // namespace
