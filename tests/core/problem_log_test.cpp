#include "stats/problem_log.h"

#include <gtest/gtest.h>

#include "tests/support/qso_builder.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

using testing::ReadFileBytes;
using testing::TestQso;

class ProblemLogTest : public ::testing::Test {
 protected:
  testing::ScopedWorkingDirectory directory_;
  ProblemLog log_;
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

TEST_F(ProblemLogTest, EmptyPiecesKeepTheirSeparatorsAndLineFeedsBecomeCrLf) {
  TestQso qso;
  qso.ownCall = "";
  qso.status = 2;  // null date: empty time piece
  qso.frequencyHz = 999;
  qso.call = "A\nB";
  EXPECT_EQ(FormatRejectedLine(qso.Arguments(), kNoContestModeEnding),
            "QSO:  0  CW      599  001  A\nB  579  123   No contest mode !!!\n");

  log_.OpenForAppend();
  log_.WriteRejected(kNoContestModeEnding, qso.Arguments());
  log_.CloseAppend();
  EXPECT_EQ(ReadFileBytes("err.txt"),
            "QSO:  0  CW      599  001  A\r\nB  579  123   No contest mode !!!\r\n");
}

TEST_F(ProblemLogTest, OpeningForAppendCreatesAnEmptyFile) {
  log_.OpenForAppend();
  log_.CloseAppend();
  EXPECT_TRUE(std::filesystem::exists("err.txt"));
  EXPECT_EQ(ReadFileBytes("err.txt"), "");
}

}  // namespace
}  // namespace stats
