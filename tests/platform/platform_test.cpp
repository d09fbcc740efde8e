// The system platform's clock, program start and file replacement, in both builds,
// and the replacement of a whole file when a write fails part-way.

#include "stats/platform/platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

namespace {

using stats::testing::ReadFileBytes;
using stats::testing::TempDir;
using stats::testing::WriteFileBytes;

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

TEST(SystemPlatform, MoveFileOverReplacesAnExistingFile) {
  const auto platform = stats::MakeSystemPlatform();
  const TempDir folder;
  WriteFileBytes(folder.Path("log.tmp"), "new");
  WriteFileBytes(folder.Path("log.cbr"), "old");

  ASSERT_TRUE(platform->MoveFileOver(folder.Path("log.tmp", '\\'), folder.Path("log.cbr", '\\')));
  EXPECT_EQ(ReadFileBytes(folder.Path("log.cbr")), "new");
  EXPECT_FALSE(std::filesystem::exists(folder.Path("log.tmp")));

  ASSERT_TRUE(platform->MoveFileOver(folder.Path("log.cbr", '\\'), folder.Path("fresh.cbr", '\\')));
  EXPECT_EQ(ReadFileBytes(folder.Path("fresh.cbr")), "new");
}

TEST(SystemPlatform, MoveFileOverWithoutASourceKeepsTheTarget) {
  const auto platform = stats::MakeSystemPlatform();
  const TempDir folder;
  WriteFileBytes(folder.Path("log.cbr"), "old");
  EXPECT_FALSE(platform->MoveFileOver(folder.Path("log.tmp", '\\'), folder.Path("log.cbr", '\\')));
  EXPECT_EQ(ReadFileBytes(folder.Path("log.cbr")), "old");
}

// A full disk: the file is created, half of the bytes reach it, the write fails.
class HalfWritingPlatform : public stats::testing::FakePlatform {
 public:
  bool WriteWholeFile(const std::string& path, std::string_view contents) override {
    FakePlatform::WriteWholeFile(path, contents.substr(0, contents.size() / 2));
    return false;
  }
};

TEST(ReplaceWholeFile, AWriteThatFailsPartWayKeepsTheFileAndLeavesNoPartialFile) {
  const TempDir folder;
  WriteFileBytes(folder.Path("R3KV.cbr"), "the previous log");
  HalfWritingPlatform platform;

  EXPECT_FALSE(platform.ReplaceWholeFile(folder.Path("R3KV.cbr", '\\'), "the new log, cut short"));
  EXPECT_EQ(ReadFileBytes(folder.Path("R3KV.cbr")), "the previous log");
  EXPECT_FALSE(std::filesystem::exists(folder.Path("R3KV.cbr.tmp")));
}

}  // namespace
