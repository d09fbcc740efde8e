// The disk fills while the plug-in rewrites its files: the host gets the same
// answers, and a file that was whole before is still whole afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/exports/entry_points.h"
#include "tests/faults/file_size_limit.h"
#include "tests/faults/folder_listing.h"
#include "tests/faults/no_operator.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

using testing::ReadFileBytes;

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class FullDiskTest : public ::testing::Test {
 protected:
  FullDiskTest() { std::filesystem::create_directory("Plugins"); }

  testing::ScopedWorkingDirectory directory_;
  testing::PluginLibrary library_{testing::BuiltPluginPath()};
  testing::EntryPoints plugin_{library_};
  const StatsDateTime date_ = testing::HostDate(testing::OleDate(2013, 2, 5));
};

TEST_F(FullDiskTest, SettingsFileStaysWholeWhenItsRewriteFails) {
  std::string settings = "[Settings]\r\nName=" + std::string(3000, 'n') + "\r\n";
  settings += "Address=Lenina 1<CR><LF>Moskva\r\nClaimed=5\r\n[Other]\r\nKey=value\r\n";
  testing::WriteFileBytes("Plugins/ZORVA.ini", settings);
  plugin_.Reset(0, "UA1AAA", &date_);
  plugin_.Add(testing::Qso("DX1", "40", "CW", "W001"));

  int score = 0;
  std::string summary;
  {
    const testing::FileSizeLimit limit(1024);
    summary = plugin_.getResult(&score);
  }
  EXPECT_EQ(score, 1);
  EXPECT_NE(summary.find("Score: = 1\r\n"), std::string::npos) << summary;
  EXPECT_EQ(ReadFileBytes("Plugins/ZORVA.ini"), settings);

  plugin_.getResult(&score);  // room again: the score is stored
  EXPECT_NE(ReadFileBytes("Plugins/ZORVA.ini").find("\r\nClaimed=1\r\n"), std::string::npos);
}

TEST_F(FullDiskTest, ProblemLogLinesAreLostButTheAnswersStay) {
  std::string results;
  {
    const testing::FileSizeLimit limit(40);  // the banner fits, a QSO line does not
    results += std::to_string(plugin_.Reset(0, "UA1AAA", &date_));
    results += std::to_string(plugin_.Add(testing::Qso("DX1", "40", "FM")));
    results += std::to_string(plugin_.Add(testing::Qso("DX2", "40", "CW")));
    results += std::to_string(plugin_.Add(testing::Qso("DX3", "40", "CW", "")));
  }
  EXPECT_EQ(results, "1010");
  EXPECT_EQ(ReadFileBytes("err.txt").rfind("Pesdra VELK TEST UBN file \r\n", 0), 0u);
  int score = 0;
  EXPECT_NE(std::string(plugin_.getResult(&score)).find("Total\t 1\t 1\t 1\t 0\t 0\r\n"),
            std::string::npos);
}

TEST_F(FullDiskTest, CabrilloFileStaysWholeWhenItsRewriteFails) {
  const testing::NoOperator noOperator;
  plugin_.Reset(1, "UA1AAA", &date_);
  for (int i = 0; i < 20; ++i) plugin_.Add(testing::Qso("DX" + std::to_string(i), "40", "CW"));
  int score = 0;
  plugin_.getResult(&score);
  const std::string good = ReadFileBytes("UA1AAA.cbr");
  ASSERT_EQ(good.rfind("START-OF-LOG: 2.0\r\n", 0), 0u) << good;
  ASSERT_TRUE(EndsWith(good, "END-OF-LOG:\r\n")) << good;
  const auto entries = testing::FolderListing();

  plugin_.Add(testing::Qso("DX99", "40", "CW", "W099"));
  std::string summary;
  {
    const testing::FileSizeLimit limit(good.size() / 2);
    summary = plugin_.getResult(&score);
  }
  EXPECT_EQ(score, -1);
  EXPECT_NE(summary.find("Total\t 21\t 21\t 21\t 0\t 1\r\n"), std::string::npos) << summary;
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"), good);
  EXPECT_EQ(testing::FolderListing(), entries);  // no partial file left behind

  plugin_.getResult(&score);  // room again: the new log comes in full
  const std::string next = ReadFileBytes("UA1AAA.cbr");
  EXPECT_NE(next.find("CLAIMED-SCORE: 21\r\n"), std::string::npos) << next;
  EXPECT_TRUE(EndsWith(next, "END-OF-LOG:\r\n")) << next;
}

}  // namespace
}  // namespace stats
