// The Cabrillo writer: its "QSO:" lines, whose columns grow but are never cut,
// and the file as written to disk, byte for byte.

#include "stats/station/cabrillo_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "stats/station/station_log.h"
#include "tests/faults/folder_listing.h"
#include "tests/support/fake_platform.h"
#include "tests/support/ole_dates.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

using testing::OleDate;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

Qso Sample() {
  Qso qso;
  qso.frequencyHz = 3550000;
  qso.mode = "CW";
  qso.qsoTime = testing::ValidDate(OleDate(2013, 2, 5, 9, 7, 29.6));
  qso.rstSent = "599";
  qso.exchangeSent = "001";
  qso.call = "DX1";
  qso.rstReceived = "579";
  qso.exchangeReceived = "123";
  return qso;
}

TEST(QsoLine, ColumnsArePaddedToTheirMinimumWidths) {
  EXPECT_EQ(FormatQsoLine("UA1AAA", Sample()),
            "QSO:  3550 CW 2013-02-05 0907 UA1AAA        599 001    DX1           579 123\r\n");
  Qso shortTexts = Sample();
  shortTexts.frequencyHz = 7999;
  shortTexts.mode = "SSB";
  shortTexts.rstSent = "";
  shortTexts.exchangeSent = "";
  shortTexts.call = "";
  shortTexts.rstReceived = "5";
  shortTexts.exchangeReceived = "";
  const std::string blank13(13, ' ');
  EXPECT_EQ(FormatQsoLine("", shortTexts), "QSO:     7 PH 2013-02-05 0907 " + blank13 + "     " +
                                               std::string(6, ' ') + " " + blank13 + " 5   \r\n");
}

TEST(QsoLine, LongValuesWidenTheirColumnsWithoutCutting) {
  Qso qso = Sample();
  qso.frequencyHz = 145500000;
  qso.mode = "FM";  // not a contest mode
  qso.rstSent = "5999";
  qso.exchangeSent = "0012345";
  qso.call = "RA1ABCDEFGHIJK/P";
  qso.rstReceived = "5799";
  qso.exchangeReceived = "W123456789";
  EXPECT_EQ(FormatQsoLine("UA1AAA/MM/QRP1", qso),
            "QSO: 145500 ?? 2013-02-05 0907 UA1AAA/MM/QRP1 5999 0012345 RA1ABCDEFGHIJK/P "
            "5799 W123456789\r\n");
  qso.frequencyHz = 4294967295u;
  EXPECT_EQ(FormatQsoLine("UA1AAA", qso).substr(0, 13), "QSO: 4294967 ");
}

TEST(QsoLine, ControlBytesOfHostTextsBecomeSpacesAndTheLineStaysOne) {
  Qso qso = Sample();
  qso.call = "UA3\r\nAAA";
  qso.rstSent = "5\t9";
  qso.exchangeSent =
      "0\x1B"
      "1";
  qso.rstReceived = "\x7F";
  qso.exchangeReceived = "1\n2\xC8";  // a Windows-1251 letter stays
  EXPECT_EQ(FormatQsoLine("UA1\rAAA", qso),
            "QSO:  3550 CW 2013-02-05 0907 UA1 AAA       5 9 0 1    UA3  AAA     " +
                std::string(5, ' ') + "1 2\xC8\r\n");
}

TEST(QsoLine, TimeWithoutAValidDateIsEmpty) {
  Qso qso = Sample();
  qso.qsoTime = OleDateTime{OleDate(2013, 2, 5), 2};
  EXPECT_EQ(FormatQsoLine("UA1AAA", qso),
            "QSO:  3550 CW  UA1AAA        599 001    DX1           579 123\r\n");
  qso.qsoTime = OleDateTime{OleDate(2013, 2, 5, 23, 59, 59.6), 0};  // rounds into the next day
  EXPECT_EQ(FormatQsoLine("UA1AAA", qso).substr(0, 29), "QSO:  3550 CW 2013-02-06 0000");
}

const std::string kHeader =
    "START-OF-LOG: 2.0\r\n"
    "CALLSIGN: UA1AAA\r\n"
    "CATEGORY: SOAB-CW-LP\r\n"
    "CLAIMED-SCORE: 12\r\n"
    "CLUB: \r\n"
    "CONTEST: KESDRA VELK\r\n"
    "CREATED-BY: MixW \r\n"
    "NAME: Ivan\r\n"
    "ADDRESS: Lenina 1\r\n"
    "ADDRESS: Moscow\r\n"
    "OPERATORS: UA1AAA\r\n"
    "EMAIL: \r\n"
    "SOAPBOX: 73\r\n"
    "SOAPBOX: GL\r\n";

class CabrilloWriterTest : public ::testing::Test {
 protected:
  CabrilloWriterTest() {
    StationDetailsForm& details = station_.details;
    details.callSign = "UA1AAA";
    details.category = "SOAB-CW-LP";
    details.name = "Ivan";
    details.address = "Lenina 1\r\nMoscow";
    details.operators = "UA1AAA";
    details.soapbox = "73\r\nGL";
    details.contest = "NOT WRITTEN";
    details.claimed = "NOT WRITTEN";
    station_.fileBaseName = "UA1AAA";
  }
  void AddQso(const std::string& call, const std::string& mode) {
    Qso qso = Sample();
    qso.call = call;
    qso.mode = mode;
    store_.Add(qso);
  }

  testing::ScopedWorkingDirectory directory_;
  testing::FakePlatform platform_;
  StationLog station_;
  QsoStore store_;
};

TEST_F(CabrilloWriterTest, EmptyLogHoldsTheHeaderAndTheEndAndCreatesAnEmptyIncludeFile) {
  station_.WriteCabrilloFile(platform_, 12, store_);
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"), kHeader + "END-OF-LOG:\r\n");
  ASSERT_TRUE(std::filesystem::exists("cabrillo.ini"));
  EXPECT_EQ(std::filesystem::file_size("cabrillo.ini"), 0u);
}

TEST_F(CabrilloWriterTest, IncludeFileIsCopiedUnchangedAndRunsIntoTheFirstQso) {
  constexpr char kInclude[] = "LOCATION: RU\r\nX-NOTE: bare LF\nno end \0\xFF";
  const std::string include(kInclude, sizeof kInclude - 1);
  WriteFileBytes("cabrillo.ini", include);
  AddQso("DX1", "CW");
  AddQso("DX2", "FM");
  station_.WriteCabrilloFile(platform_, 12, store_);
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"),
            kHeader + include +
                "QSO:  3550 CW 2013-02-05 0907 UA1AAA        599 001    DX1           579 123\r\n"
                "QSO:  3550 ?? 2013-02-05 0907 UA1AAA        599 001    DX2           579 123\r\n"
                "END-OF-LOG:\r\n");
  EXPECT_EQ(ReadFileBytes("cabrillo.ini"), include);
}

TEST_F(CabrilloWriterTest, EachWriteReplacesTheWholeFileAndLeavesNoTemporaryFile) {
  for (int i = 0; i < 50; ++i) AddQso("DX" + std::to_string(i), "SSB");
  station_.WriteCabrilloFile(platform_, 12, store_);
  store_.Clear();
  station_.WriteCabrilloFile(platform_, -7, store_);

  std::string expected = kHeader + "END-OF-LOG:\r\n";
  expected.replace(expected.find("SCORE: 12"), 9, "SCORE: -7");
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"), expected);
  EXPECT_EQ(testing::FolderListing(), (std::vector<std::string>{"UA1AAA.cbr", "cabrillo.ini"}));
}

TEST_F(CabrilloWriterTest, FailedWriteKeepsThePreviousLog) {
  WriteFileBytes("UA1AAA.cbr", "previous log");
  platform_.replaceFails = true;
  AddQso("DX1", "CW");
  station_.WriteCabrilloFile(platform_, 12, store_);
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"), "previous log");
}

TEST_F(CabrilloWriterTest, DialogCallSignIsInTheLogWhileTheNameFollowsTheHostCall) {
  platform_.dialog = [](StationDetailsForm& form) {
    form.callSign = "UA1AAA/P";
    return true;
  };
  station_.EditStationDetails(platform_, " R<1>:\"A|B?*\x01/x\\y ");
  AddQso("DX1", "BPSK62");
  station_.WriteCabrilloFile(platform_, 0, store_);

  const std::string log = ReadFileBytes("R_1___A_B____x_y.cbr");
  EXPECT_NE(log.find("\r\nCALLSIGN: UA1AAA/P\r\n"), std::string::npos);
  EXPECT_NE(log.find("\r\nQSO:  3550 PM 2013-02-05 0907 UA1AAA/P      599 001    DX1"),
            std::string::npos);
  EXPECT_NE(log.find("\r\nCONTEST: KESDRA VELK\r\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("UA1AAA_P.cbr"));
}

TEST_F(CabrilloWriterTest, WithoutAResetTheLogStillGetsAName) {
  station_.fileBaseName.clear();
  station_.WriteCabrilloFile(platform_, 12, store_);
  EXPECT_EQ(ReadFileBytes("ZORVA.cbr"), kHeader + "END-OF-LOG:\r\n");
}

}  // namespace
}  // namespace stats
