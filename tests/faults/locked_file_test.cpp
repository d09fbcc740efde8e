// Files held open by another program without sharing (an editor, a virus
// scanner): the host gets the same answers, and the locked file is unchanged.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "tests/exports/entry_points.h"
#include "tests/faults/folder_listing.h"
#include "tests/faults/no_operator.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

using testing::ReadFileBytes;

// Opens a file without any sharing for as long as it lives.
class LockedFile {
 public:
  explicit LockedFile(const char* path)
      : handle_(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~LockedFile() {
    if (IsLocked()) CloseHandle(handle_);
  }
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;

  bool IsLocked() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

class LockedFileTest : public ::testing::Test {
 protected:
  LockedFileTest() { std::filesystem::create_directory("Plugins"); }

  testing::ScopedWorkingDirectory directory_;
  testing::PluginLibrary library_{testing::BuiltPluginPath()};
  testing::EntryPoints plugin_{library_};
  const StatsDateTime date_ = testing::HostDate(testing::OleDate(2013, 2, 5));
};

TEST_F(LockedFileTest, LockedSettingsFileIsLeftAsItWas) {
  const std::string settings = "[Settings]\r\nClaimed=5\r\nName=Ivan\r\n";
  testing::WriteFileBytes("Plugins/ZORVA.ini", settings);
  plugin_.Reset(0, "UA1AAA", &date_);
  plugin_.Add(testing::Qso("DX1", "40", "CW", "W001"));
  int score = 0;
  std::string summary;
  {
    const LockedFile lock("Plugins\\ZORVA.ini");
    ASSERT_TRUE(lock.IsLocked());
    summary = plugin_.getResult(&score);
  }
  EXPECT_EQ(score, 1);
  EXPECT_NE(summary.find("Score: = 1\r\n"), std::string::npos) << summary;
  EXPECT_EQ(ReadFileBytes("Plugins/ZORVA.ini"), settings);
}

TEST_F(LockedFileTest, LockedProblemLogLosesItsLinesOnly) {
  std::string results;
  {
    const LockedFile lock("err.txt");
    ASSERT_TRUE(lock.IsLocked());
    results += std::to_string(plugin_.Reset(0, "UA1AAA", &date_));
    results += std::to_string(plugin_.Add(testing::Qso("DX1", "40", "FM")));
    results += std::to_string(plugin_.Add(testing::Qso("DX2", "40", "CW")));
  }
  EXPECT_EQ(results, "101");
  EXPECT_EQ(ReadFileBytes("err.txt"), "");
  int score = 0;
  EXPECT_NE(std::string(plugin_.getResult(&score)).find("Total\t 1\t 1\t 1\t 0\t 0\r\n"),
            std::string::npos);
}

TEST_F(LockedFileTest, LockedCabrilloFileIsLeftAsItWas) {
  const testing::NoOperator noOperator;
  plugin_.Reset(1, "UA1AAA", &date_);
  plugin_.Add(testing::Qso("DX1", "40", "CW", "W001"));
  int score = 0;
  plugin_.getResult(&score);
  const std::string good = ReadFileBytes("UA1AAA.cbr");
  ASSERT_EQ(good.rfind("START-OF-LOG: 2.0\r\n", 0), 0u) << good;
  const auto entries = testing::FolderListing();

  plugin_.Add(testing::Qso("DX2", "40", "CW", "W002"));
  std::string summary;
  {
    const LockedFile lock("UA1AAA.cbr");
    ASSERT_TRUE(lock.IsLocked());
    summary = plugin_.getResult(&score);
  }
  EXPECT_EQ(score, -1);
  EXPECT_NE(summary.find("Score: = 4\r\n"), std::string::npos) << summary;
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"), good);
  EXPECT_EQ(testing::FolderListing(), entries);  // no partial file left behind
}

}  // namespace
}  // namespace stats
