// The Cabrillo file as written to disk, byte for byte.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "stats/station/station_log.h"
#include "tests/support/fake_platform.h"
#include "tests/support/ole_dates.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

using testing::OleDate;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

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
    station_.callSign = "UA1AAA";
    station_.category = "SOAB-CW-LP";
    station_.name = "Ivan";
    station_.address = "Lenina 1\r\nADDRESS: Moscow";
    station_.operators = "UA1AAA";
    station_.soapbox = "73\r\nSOAPBOX: GL";
    station_.contest = "NOT WRITTEN";
    station_.claimed = "NOT WRITTEN";
    station_.fileBaseName = "UA1AAA";
  }
  void AddQso(const std::string& call, const std::string& modeCode) {
    station_.AddQsoLine(call, 3550, modeCode, testing::ValidDate(OleDate(2013, 2, 5, 9, 7)), "599",
                        "001", "579", "123");
  }

  testing::ScopedWorkingDirectory directory_;
  testing::FakePlatform platform_;
  StationLog station_;
};

TEST_F(CabrilloWriterTest, EmptyLogHoldsTheHeaderAndTheEndAndCreatesAnEmptyIncludeFile) {
  station_.WriteCabrilloFile(platform_, 12);
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"), kHeader + "END-OF-LOG:\r\n");
  ASSERT_TRUE(std::filesystem::exists("cabrillo.ini"));
  EXPECT_EQ(std::filesystem::file_size("cabrillo.ini"), 0u);
}

TEST_F(CabrilloWriterTest, IncludeFileIsCopiedUnchangedAndRunsIntoTheFirstQso) {
  constexpr char kInclude[] = "LOCATION: RU\r\nX-NOTE: bare LF\nno end \0\xFF";
  const std::string include(kInclude, sizeof kInclude - 1);
  WriteFileBytes("cabrillo.ini", include);
  AddQso("DX1", "CW");
  AddQso("DX2", "??");
  station_.WriteCabrilloFile(platform_, 12);
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"),
            kHeader + include +
                "QSO:  3550 CW 2013-02-05 0907 UA1AAA        599 001    DX1           579 123\r\n"
                "QSO:  3550 ?? 2013-02-05 0907 UA1AAA        599 001    DX2           579 123\r\n"
                "END-OF-LOG:\r\n");
  EXPECT_EQ(ReadFileBytes("cabrillo.ini"), include);
}

TEST_F(CabrilloWriterTest, EachWriteReplacesTheWholeFileAndLeavesNoTemporaryFile) {
  for (int i = 0; i < 50; ++i) AddQso("DX" + std::to_string(i), "PH");
  station_.WriteCabrilloFile(platform_, 12);
  station_.ClearQsoLines();
  station_.WriteCabrilloFile(platform_, -7);

  std::string expected = kHeader + "END-OF-LOG:\r\n";
  expected.replace(expected.find("SCORE: 12"), 9, "SCORE: -7");
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"), expected);
  EXPECT_FALSE(std::filesystem::exists("UA1AAA.cbr.tmp"));
}

class FailingReplacePlatform : public testing::FakePlatform {
 public:
  bool MoveFileOver(const std::string&, const std::string&) override { return false; }
};

TEST_F(CabrilloWriterTest, FailedWriteKeepsThePreviousLog) {
  WriteFileBytes("UA1AAA.cbr", "previous log");
  FailingReplacePlatform failing;
  AddQso("DX1", "CW");
  station_.WriteCabrilloFile(failing, 12);
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"), "previous log");
  EXPECT_FALSE(std::filesystem::exists("UA1AAA.cbr.tmp"));

  std::filesystem::create_directory("UA1AAA.cbr.tmp");  // the temporary file can not be made
  station_.WriteCabrilloFile(platform_, 12);
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"), "previous log");
}

TEST_F(CabrilloWriterTest, DialogCallSignIsInTheLogWhileTheNameFollowsTheHostCall) {
  platform_.dialog = [](StationDetailsForm& form) {
    form.callSign = "UA1AAA/P";
    return true;
  };
  station_.EditStationDetails(platform_, " R<1>:\"A|B?*\x01/x\\y ");
  AddQso("DX1", "PM");
  station_.WriteCabrilloFile(platform_, 0);

  const std::string log = ReadFileBytes("R_1___A_B____x_y.cbr");
  EXPECT_NE(log.find("\r\nCALLSIGN: UA1AAA/P\r\n"), std::string::npos);
  EXPECT_NE(log.find("\r\nQSO:  3550 PM 2013-02-05 0907 UA1AAA/P      599 001    DX1"),
            std::string::npos);
  EXPECT_NE(log.find("\r\nCONTEST: KESDRA VELK\r\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("UA1AAA_P.cbr"));
}

TEST_F(CabrilloWriterTest, WithoutAResetTheLogStillGetsAName) {
  station_.fileBaseName.clear();
  station_.WriteCabrilloFile(platform_, 12);
  EXPECT_EQ(ReadFileBytes("ZORVA.cbr"), kHeader + "END-OF-LOG:\r\n");
}

}  // namespace
}  // namespace stats
