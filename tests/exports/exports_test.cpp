// The plug-in as the host sees it: loaded by file name, entry points looked up
// by plain name and called with the host's full argument lists.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <limits>

#include "tests/exports/entry_points.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

using testing::OleDate;
using testing::Qso;
using testing::ReadFileBytes;
using testing::TestQso;

class ExportsTest : public ::testing::Test {
 protected:
  ExportsTest() { std::filesystem::create_directory("Plugins"); }

  testing::ScopedWorkingDirectory directory_;
  testing::PluginLibrary library_{testing::BuiltPluginPath()};
  testing::EntryPoints plugin_{library_};
  const StatsDateTime contestDate_ = testing::HostDate(OleDate(2013, 2, 5, 12));
};

TEST_F(ExportsTest, SmallEntryPointsAnswerAsTheHostExpects) {
  EXPECT_EQ(plugin_.getNumberOfSets(), 1);
  EXPECT_STREQ(plugin_.getSetName(0), "Kesdra Velk");
  EXPECT_STREQ(plugin_.getSetName(1), "");
  EXPECT_STREQ(plugin_.getSetName(-1), "");
  EXPECT_EQ(plugin_.getExchgCount("a", "b", "c"), 1);
  EXPECT_EQ(plugin_.getExchgCount(nullptr, nullptr, nullptr), 1);
}

TEST_F(ExportsTest, ExchangeIsThreeOrFourDigitsButNot599) {
  for (const char* valid : {"001", "0599", "1234", "999"}) {
    EXPECT_EQ(plugin_.isValidExchg(valid, "", "", "", 0, 0, 0), 1) << valid;
  }
  for (const char* invalid : {"599", "12", "12345", "12a", "", " 123", "\xB3\xB3\xB3"}) {
    EXPECT_EQ(plugin_.isValidExchg(invalid, "", "", "", 0, 0, 0), 0) << invalid;
  }
  for (const int forceInvalid : {1, -1, std::numeric_limits<int>::min()}) {
    EXPECT_EQ(plugin_.isValidExchg("0599", "", "", "", 0, 0, forceInvalid), 0) << forceInvalid;
  }
  EXPECT_EQ(plugin_.isValidExchg("0599", nullptr, nullptr, nullptr, 7, 7, 0), 1);
  EXPECT_EQ(plugin_.isValidExchg(nullptr, nullptr, nullptr, nullptr, 0, 0, 0), 0);
}

TEST_F(ExportsTest, ResetWritesTheBannerAndRefusedQsosAreListed) {
  EXPECT_EQ(plugin_.Reset(0, "UA1AAA", &contestDate_), 1);
  EXPECT_EQ(ReadFileBytes("err.txt"), "Pesdra VELK TEST UBN file \r\n");

  TestQso fm;
  fm.mode = "FM";
  TestQso noNumber;
  noNumber.exchangeReceived = "";
  EXPECT_EQ(plugin_.Add(fm), 0);
  EXPECT_EQ(plugin_.Add(noNumber), 0);
  EXPECT_EQ(plugin_.Add(Qso("DX1", "40", "CW")), 1);
  EXPECT_EQ(
      ReadFileBytes("err.txt"),
      "Pesdra VELK TEST UBN file \r\n"
      "QSO:  7012  FM  2013-02-05 0907  OWN1  599  001  DX2  579  123   No contest mode !!!\r\n"
      "QSO:  7012  CW  2013-02-05 0907  OWN1  599  001  DX2  579     NO RX NUMBER !!!\r\n");
}

TEST_F(ExportsTest, ResultIsTheSummaryTextAndTheClaimedScoreIsStored) {
  plugin_.Reset(0, "UA1AAA", &contestDate_);
  plugin_.Add(Qso("DX1", "80", "CW", "W001"));
  plugin_.Add(Qso("DX2", "80", "SSB"));
  plugin_.Add(Qso("DX3", "80", "CW"));
  plugin_.Add(Qso("DX4", "160", "BPSK63", "W004"));
  plugin_.Add(Qso("DX5", "7", "CW"));
  plugin_.Add(Qso("DX6", "07", "CW"));
  EXPECT_EQ(plugin_.Remove(Qso("DX6", "07", "CW")), 1);
  EXPECT_EQ(plugin_.Remove(Qso("DX5", "7", "CW", "")), 0);

  int score = 0;
  EXPECT_STREQ(plugin_.getResult(&score),
               "\t   Kesdra Velk Test 05.02.2013\r\n"
               "\t\tContestant: UA1AAA\r\n"
               "\tQSOs\tPoints\tCW\tSSB\tKvant\r\n"
               "160\t 1\t 1\t 0\t 0\t 1\r\n"
               "80\t 3\t 3\t 2\t 1\t 1\r\n"
               "7\t 1\t 1\t 1\t 0\t 0\r\n"
               "07\t 0\t 0\t 0\t 0\t 0\r\n"
               "Total\t 5\t 5\t 3\t 1\t 2\r\n"
               "\r\n"
               "Score: = 10\r\n");
  EXPECT_EQ(score, 10);
  EXPECT_EQ(ReadFileBytes("Plugins/ZORVA.ini"), "[Settings]\r\nClaimed=10\r\n");
}

TEST_F(ExportsTest, RemovingTheLaterOfTwoQsosWithOneStationKeepsTheEarlierOne) {
  plugin_.Reset(0, "UA1AAA", &contestDate_);
  TestQso early = Qso("UA1A", "80", "CW", "011");
  early.date = OleDate(2013, 2, 5, 1, 0);
  TestQso late = Qso("UA1A", "80", "CW", "W12");
  late.date = OleDate(2013, 2, 5, 2, 0);
  plugin_.Add(early);
  plugin_.Add(late);
  EXPECT_EQ(plugin_.Remove(late), 1);

  int score = 7;
  EXPECT_STREQ(plugin_.getResult(&score),
               "\t   Kesdra Velk Test 05.02.2013\r\n"
               "\t\tContestant: UA1AAA\r\n"
               "\tQSOs\tPoints\tCW\tSSB\tKvant\r\n"
               "80\t 1\t 1\t 1\t 0\t 0\r\n"
               "Total\t 1\t 1\t 1\t 0\t 0\r\n"
               "\r\n"
               "Score: = 0\r\n");
}

TEST_F(ExportsTest, EmptyLogGivesExactlyTheHeaderTotalsAndScore) {
  plugin_.Reset(0, "UA1AAA", &contestDate_);
  int score = 7;
  EXPECT_STREQ(plugin_.getResult(&score),
               "\t   Kesdra Velk Test 05.02.2013\r\n"
               "\t\tContestant: UA1AAA\r\n"
               "\tQSOs\tPoints\tCW\tSSB\tKvant\r\n"
               "Total\t 0\t 0\t 0\t 0\t 0\r\n"
               "\r\n"
               "Score: = 0\r\n");
  EXPECT_EQ(score, 0);
}

TEST_F(ExportsTest, RepeatInTheCurrentHourIsWarnedInWindows1251) {
  plugin_.Reset(0, "UA1AAA", &contestDate_);
  // The check reads the real clock: retry if the hour turns over meanwhile.
  for (int attempt = 0; attempt < 3; ++attempt) {
    const testing::NowInUtc now = testing::CurrentUtc();
    TestQso qso = Qso("UA3XYZ", "40", "CW");
    qso.date = now.date;
    plugin_.Add(qso);
    char buffer[300];
    std::memset(buffer, '#', sizeof buffer);
    const int code = plugin_.Check("UA3XYZ", "CW", "", "40", buffer);
    if (testing::CurrentUtc().hour != now.hour) continue;
    EXPECT_EQ(code, 4);
    EXPECT_STREQ(
        buffer,
        "QSO c UA3XYZ \xC2 \xCE\xC4\xCD\xCE\xCC \xC8 \xD2\xCE\xCC \xC6\xC5 "
        "\xD2\xD3\xD0\xC5 \xCF\xD0\xCE\xC2\xCE\xC4\xC8\xD2\xDC \xCD\xC5\xCB\xDC\xC7\xDF !!!");
    EXPECT_EQ(plugin_.Check("UA3XYZ", "SSB", "", "40", buffer), 1);
    EXPECT_EQ(plugin_.Check("UA3XYZ", "CW", "", "80", buffer), 2);
    return;
  }
  FAIL() << "the clock hour kept changing";
}

TEST_F(ExportsTest, NullArgumentsFromTheHostNeverCrash) {
  EXPECT_EQ(plugin_.resetStats(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
                               0, 0.0, 0.0, nullptr, nullptr, nullptr),
            1);
  EXPECT_EQ(plugin_.addData(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr,
                            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0,
                            nullptr, nullptr, nullptr, nullptr, nullptr),
            0);
  EXPECT_EQ(plugin_.removeData(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr,
                               nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
                               0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr),
            0);
  // A QSO whose texts are all null but its mode and exchanges: an empty call and band.
  const StatsDateTime date = testing::HostDate(OleDate(2013, 2, 5));
  EXPECT_EQ(plugin_.addData(nullptr, nullptr, &date, nullptr, nullptr, nullptr, 0, 0, "CW", nullptr,
                            nullptr, "1", "2", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr,
                            nullptr, nullptr, nullptr),
            1);
  EXPECT_EQ(plugin_.Check(nullptr, nullptr, nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(
      plugin_.checkCall(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
      1);
  const char* const text = plugin_.getResult(nullptr);
  ASSERT_NE(text, nullptr);
  EXPECT_NE(std::strstr(text, "\r\n\t\tContestant: \r\n"), nullptr);
  EXPECT_NE(std::strstr(text, "Total\t 1\t 0\t 0\t 0\t 0\r\n"), nullptr);
}

TEST_F(ExportsTest, GarbageDatesCountAsNoDate) {
  plugin_.Reset(0, "UA1AAA", &contestDate_);
  TestQso nanTime = Qso("DX1", "40", "FM");
  nanTime.date = std::numeric_limits<double>::quiet_NaN();
  TestQso hugeTime = Qso("DX2", "40", "FM");
  hugeTime.date = 1e300;
  TestQso oddStatus = Qso("DX3", "40", "FM");
  oddStatus.status = 12345;
  for (const TestQso& qso : {nanTime, hugeTime, oddStatus}) EXPECT_EQ(plugin_.Add(qso), 0);
  const std::string log = ReadFileBytes("err.txt");
  EXPECT_NE(log.find("QSO:  7012  FM    OWN1  599  001  DX1"), std::string::npos);
  EXPECT_NE(log.find("QSO:  7012  FM    OWN1  599  001  DX2"), std::string::npos);
  EXPECT_NE(log.find("QSO:  7012  FM    OWN1  599  001  DX3"), std::string::npos);

  const StatsDateTime nanDate = testing::HostDate(std::numeric_limits<double>::infinity());
  plugin_.Reset(0, "UA1AAA", &nanDate);
  EXPECT_NE(std::strstr(plugin_.getResult(nullptr), "Kesdra Velk Test \r\n"), nullptr);
}

}  // namespace
}  // namespace stats
