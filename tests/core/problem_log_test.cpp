#include "stats/problem_log.h"

#include <gtest/gtest.h>

#include "stats/public/plugin_names.h"
#include "tests/support/fake_platform.h"
#include "tests/support/qso_builder.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

using testing::ReadFileBytes;
using testing::TestQso;

class ProblemLogTest : public ::testing::Test {
 protected:
  testing::ScopedWorkingDirectory directory_;
  testing::FakePlatform platform_;
  ProblemLog log_{platform_};
};

TEST_F(ProblemLogTest, RestartLeavesOnlyThe28ByteBanner) {
  testing::WriteFileBytes("err.txt", "old rejected lines\r\n");
  log_.Restart();
  EXPECT_EQ(ReadFileBytes("err.txt"), "Pesdra VELK TEST UBN file \r\n");
  EXPECT_EQ(ReadFileBytes("err.txt").size(), 28u);
}

TEST_F(ProblemLogTest, RejectedLinesAreAppendedByteForByte) {
  log_.Restart();
  TestQso fm;  // 7 012 345 Hz, 09:07 on 5 February 2013
  fm.mode = "FM";
  TestQso noNumber;
  noNumber.exchangeReceived = "";

  log_.OpenForAppend();
  log_.WriteRejected(kNoContestModeEnding, fm.Arguments());
  log_.WriteRejected(kNoRxNumberEnding, noNumber.Arguments());
  log_.CloseAppend();

  EXPECT_EQ(
      ReadFileBytes("err.txt"),
      "Pesdra VELK TEST UBN file \r\n"
      "QSO:  7012  FM  2013-02-05 0907  OWN1  599  001  DX2  579  123   No contest mode !!!\r\n"
      "QSO:  7012  CW  2013-02-05 0907  OWN1  599  001  DX2  579     NO RX NUMBER !!!\r\n");
}

TEST_F(ProblemLogTest, EmptyPiecesKeepTheirSeparatorsAndControlBytesBecomeSpaces) {
  TestQso qso;
  qso.ownCall = "\x1F";
  qso.status = 2;  // null date: empty time piece
  qso.frequencyHz = 999;
  qso.call = "UA3\r\nAAA";
  qso.mode = "C\x01W";
  qso.rstSent = "5\t9\x7F";
  qso.exchangeReceived = "12\xC8";  // a Windows-1251 letter stays
  EXPECT_EQ(FormatRejectedLine(qso.Arguments(), kNoContestModeEnding),
            "QSO:  0  C W       5 9   001  UA3  AAA  579  12\xC8   No contest mode !!!");

  log_.OpenForAppend();
  log_.WriteRejected(kNoContestModeEnding, qso.Arguments());
  log_.CloseAppend();
  EXPECT_EQ(ReadFileBytes("err.txt"),
            "QSO:  0  C W       5 9   001  UA3  AAA  579  12\xC8   No contest mode !!!\r\n");
}

TEST_F(ProblemLogTest, OpeningForAppendCreatesAnEmptyFile) {
  log_.OpenForAppend();
  log_.CloseAppend();
  EXPECT_TRUE(std::filesystem::exists("err.txt"));
  EXPECT_EQ(ReadFileBytes("err.txt"), "");
}

}  // namespace
}  // namespace stats
