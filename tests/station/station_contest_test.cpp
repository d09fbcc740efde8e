// The station details and the Cabrillo log as a reset and the result
// computation drive them.

#include <gtest/gtest.h>

#include <string>

#include "stats/contest.h"
#include "tests/support/fake_platform.h"
#include "tests/support/qso_builder.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

using testing::OleDate;
using testing::Qso;
using testing::ReadFileBytes;

class StationContestTest : public ::testing::Test {
 protected:
  void Reset(int reportMode) {
    contest_.Reset(reportMode, "UA1AAA", testing::ValidDate(OleDate(2013, 2, 5)));
  }
  int Result() {
    int score = 0;
    contest_.GetResult(&score);
    return score;
  }

  testing::ScopedWorkingDirectory directory_;
  testing::FakePlatform platform_;
  Contest contest_{platform_};
};

TEST_F(StationContestTest, OnlyAResetWithAReportShowsTheDialogOnceWithItsPresets) {
  Reset(0);
  EXPECT_TRUE(platform_.dialogPresets.empty());
  Reset(1);
  ASSERT_EQ(platform_.dialogPresets.size(), 1u);
  EXPECT_EQ(platform_.dialogPresets[0].callSign, "UA1AAA");
  EXPECT_EQ(platform_.dialogPresets[0].operators, "UA1AAA");
  EXPECT_EQ(platform_.dialogPresets[0].contest, "KESDRA VELK");
  EXPECT_EQ(platform_.dialogPresets[0].category, "SOAB-CW-LP");
}

TEST_F(StationContestTest, EveryResultWritesTheWholeLogWithEachQsoOnce) {
  platform_.dialog = [](StationDetailsForm& form) {
    form.name = "Ivan";
    form.address = "Lenina 1\r\nMoscow";
    form.soapbox = "73";
    return true;
  };
  Reset(1);
  contest_.AddQso(Qso("DX1", "40", "CW", "W015").Arguments());
  contest_.AddQso(Qso("DX2", "40", "BPSK63", "004").Arguments());
  EXPECT_EQ(Result(), -1);
  EXPECT_EQ(Result(), -1);

  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"),
            "START-OF-LOG: 2.0\r\n"
            "CALLSIGN: UA1AAA\r\n"
            "CATEGORY: SOAB-CW-LP\r\n"
            "CLAIMED-SCORE: 2\r\n"
            "CLUB: \r\n"
            "CONTEST: KESDRA VELK\r\n"
            "CREATED-BY: MixW \r\n"
            "NAME: Ivan\r\n"
            "ADDRESS: Lenina 1\r\n"
            "ADDRESS: Moscow\r\n"
            "OPERATORS: UA1AAA\r\n"
            "EMAIL: \r\n"
            "SOAPBOX: 73\r\n"
            "QSO:  7012 CW 2013-02-05 0907 UA1AAA        599 001    DX1           579 W015\r\n"
            "QSO:  7012 PM 2013-02-05 0907 UA1AAA        599 001    DX2           579 004\r\n"
            "END-OF-LOG:\r\n");
}

TEST_F(StationContestTest, WithoutAReportNoLogIsWritten) {
  Reset(0);
  contest_.AddQso(Qso("DX1", "40", "CW", "W015").Arguments());
  EXPECT_EQ(Result(), 1);
  EXPECT_FALSE(std::filesystem::exists("UA1AAA.cbr"));
  EXPECT_FALSE(std::filesystem::exists("cabrillo.ini"));
}

}  // namespace
}  // namespace stats
