#include "stats/contest.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <limits>

#include "stats/public/exports.h"
#include "stats/rules/score.h"
#include "tests/support/fake_platform.h"
#include "tests/support/qso_builder.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

using testing::OleDate;
using testing::Qso;
using testing::ReadFileBytes;
using testing::TestQso;

class ContestTest : public ::testing::Test {
 protected:
  int Add(const TestQso& qso) { return contest_.AddQso(qso.Arguments()); }
  int Remove(const TestQso& qso) { return contest_.RemoveQso(qso.Arguments()); }
  std::string Result(int* score = nullptr) {
    int ignored = 0;
    return contest_.GetResult(score == nullptr ? &ignored : score);
  }
  std::string ProfileValue(const std::string& key) {
    return platform_.profile[{"Plugins\\ZORVA.ini", "Settings", key}];
  }

  testing::ScopedWorkingDirectory directory_;
  testing::FakePlatform platform_;
  Contest contest_{platform_};
};

// --- Reset -----------------------------------------------------------------

TEST_F(ContestTest, ResetStartsTheCompanionOnceEvenWhenTheStartFailed) {
  platform_.startSucceeds = false;
  EXPECT_EQ(contest_.Reset(0, "UA1AAA", testing::ValidDate(OleDate(2013, 2, 5))), 1);
  EXPECT_EQ(contest_.Reset(0, "UA1AAA", testing::ValidDate(OleDate(2013, 2, 5))), 1);
  EXPECT_EQ(platform_.startedPrograms, std::vector<std::string>{".\\Plugins\\Zarnik.exe"});
}

TEST_F(ContestTest, ResetRecordsTheDateEmptiesTheStoreAndRestartsTheProblemLog) {
  Add(Qso("DX1", "40", "CW"));
  testing::WriteFileBytes("err.txt", "stale");
  contest_.Reset(0, "UA1AAA", testing::ValidDate(OleDate(2013, 2, 5, 12)));
  EXPECT_EQ(contest_.ContestDate(), "05.02.2013");
  EXPECT_EQ(contest_.Store().Count(), 0u);
  EXPECT_TRUE(contest_.Bands().Entries().empty());
  EXPECT_EQ(ReadFileBytes("err.txt"), "Pesdra VELK TEST UBN file \r\n");
  EXPECT_TRUE(platform_.dialogPresets.empty());  // no report requested: no dialog

  contest_.Reset(0, "UA1AAA", OleDateTime{OleDate(2013, 2, 5), 2});
  EXPECT_EQ(contest_.ContestDate(), "");
}

// --- Adding and removing QSOs ------------------------------------------------

TEST_F(ContestTest, OnlyTheFourContestModesAreAccepted) {
  contest_.Reset(0, "UA1AAA", testing::ValidDate(OleDate(2013, 2, 5)));
  EXPECT_EQ(Add(Qso("DX1", "40", "CW")), 1);
  EXPECT_EQ(Add(Qso("DX1", "40", "SSB")), 1);
  EXPECT_EQ(Add(Qso("DX1", "40", "BPSK63")), 1);
  EXPECT_EQ(Add(Qso("DX1", "40", "BPSK62")), 1);
  EXPECT_EQ(Add(Qso("DX1", "40", "cw")), 0);
  EXPECT_EQ(Add(Qso("DX1", "40", "BPSK31")), 0);
  EXPECT_EQ(contest_.Store().Count(), 4u);
  const std::string log = ReadFileBytes("err.txt");
  EXPECT_NE(log.find("  cw  "), std::string::npos);
  EXPECT_NE(log.find("  BPSK31  "), std::string::npos);
}

TEST_F(ContestTest, BothExchangesAreNeededAndTheModeRuleIsTestedFirst) {
  contest_.Reset(0, "UA1AAA", testing::ValidDate(OleDate(2013, 2, 5)));
  TestQso noSent = Qso("DX1", "40", "CW");
  noSent.exchangeSent = "";
  TestQso noReceived = Qso("DX1", "40", "CW", "");
  TestQso neither = Qso("DX1", "40", "FM", "");
  EXPECT_EQ(Add(noSent), 0);
  EXPECT_EQ(Add(noReceived), 0);
  EXPECT_EQ(Add(neither), 0);
  EXPECT_EQ(contest_.Store().Count(), 0u);
  EXPECT_TRUE(contest_.Bands().Entries().empty());
  const std::string log = ReadFileBytes("err.txt");
  EXPECT_EQ(log.find("NO RX NUMBER !!!\r\nQSO:"), log.find("NO RX NUMBER"));
  EXPECT_NE(log.find("  FM  2013-02-05 0907  OWN1  599  001  DX1  579     No contest mode !!!\r\n"),
            std::string::npos);
}

TEST_F(ContestTest, AcceptedRecordMarksWStationsByModeAndKeepsKilohertz) {
  TestQso cw = Qso("DX1", "40", "CW", "W015");
  cw.frequencyHz = 3550999;
  Add(cw);
  Add(Qso("DX2", "40", "SSB", "W015"));
  Add(Qso("DX3", "40", "BPSK63", "w015"));
  TestQso low = Qso("DX4", "40", "CW");
  low.frequencyHz = 999;
  Add(low);

  EXPECT_EQ(contest_.Store().TallyOf("40")->Kvant(), 2);  // DX1 in CW, DX2 in the other modes
  EXPECT_EQ(contest_.Store().All().front().FrequencyKhz(), 3550u);
  EXPECT_EQ(contest_.Store().All().back().FrequencyKhz(), 0u);
}

TEST_F(ContestTest, AcceptedQsoCreatesAnEmptyProblemLogWhenItWasDeleted) {
  contest_.Reset(0, "UA1AAA", testing::ValidDate(OleDate(2013, 2, 5)));
  std::filesystem::remove("err.txt");
  EXPECT_EQ(Add(Qso("DX1", "40", "CW")), 1);
  EXPECT_TRUE(std::filesystem::exists("err.txt"));
  EXPECT_EQ(ReadFileBytes("err.txt"), "");
}

TEST_F(ContestTest, RemoveNeedsBothExchangesAndTakesTheOlderOfTwinQsos) {
  TestQso first = Qso("DX1", "40", "CW");
  first.rstReceived = "first";
  TestQso second = Qso("DX1", "40", "CW");
  second.rstReceived = "second";
  Add(first);
  Add(second);

  TestQso noSent = Qso("DX1", "40", "CW");
  noSent.exchangeSent = "";
  EXPECT_EQ(Remove(Qso("DX1", "40", "CW", "")), 0);
  EXPECT_EQ(Remove(noSent), 0);
  EXPECT_EQ(contest_.Store().Count(), 2u);
  EXPECT_EQ(Remove(Qso("DX1", "40", "CW", "999")), 1);  // like neither: the older goes
  ASSERT_EQ(contest_.Store().Count(), 1u);
  EXPECT_EQ(contest_.Store().All().front().rstReceived, "second");
  EXPECT_EQ(Remove(Qso("NOBODY", "40", "CW")), 1);
}

TEST_F(ContestTest, RemovedBandStaysListedAndIsNotAddedTwice) {
  Add(Qso("DX1", "40", "CW"));
  Remove(Qso("DX1", "40", "CW"));
  Add(Qso("DX1", "40", "CW"));
  EXPECT_EQ(contest_.Bands().Entries(), std::vector<std::string>{"40"});
}

// --- Tour check ----------------------------------------------------------------

class TourCheckTest : public ContestTest {
 protected:
  void Log(const std::string& call, double date, const std::string& band = "40",
           const std::string& mode = "CW") {
    TestQso qso = Qso(call, band, mode);
    qso.date = date;
    ASSERT_EQ(Add(qso), 1);
  }
  int Check(const std::string& call, int hour, const std::string& band = "40",
            const std::string& mode = "CW", const std::string& aux = "") {
    platform_.now.hour = hour;
    std::memset(buffer_, '#', sizeof buffer_);
    return contest_.CheckCall(call, mode, aux, band, buffer_);
  }
  bool BufferUntouched() const {
    return std::all_of(std::begin(buffer_), std::end(buffer_), [](char c) { return c == '#'; });
  }

  char buffer_[400];
};

TEST_F(TourCheckTest, RepeatInTheSameHourWarnsWhateverTheDayOrMinute) {
  Log("UA3XYZ", OleDate(2013, 2, 5, 10, 5));
  EXPECT_EQ(Check("UA3XYZ", 10), kStatsCallRepeat);
  // "QSO c UA3XYZ В ОДНОМ И ТОМ ЖЕ ТУРЕ ПРОВОДИТЬ НЕЛЬЗЯ !!!" in Windows-1251.
  const std::string expected =
      "QSO c UA3XYZ \xC2 \xCE\xC4\xCD\xCE\xCC \xC8 \xD2\xCE\xCC \xC6\xC5 \xD2\xD3\xD0\xC5 "
      "\xCF\xD0\xCE\xC2\xCE\xC4\xC8\xD2\xDC \xCD\xC5\xCB\xDC\xC7\xDF !!!";
  EXPECT_EQ(std::string(buffer_), expected);
  EXPECT_EQ(buffer_[expected.size() + 1], '#');  // nothing written past the zero

  contest_.Reset(0, "", testing::ValidDate(0));
  Log("UA3XYZ", OleDate(2013, 2, 4, 10, 5));  // another day
  EXPECT_EQ(Check("UA3XYZ", 10), kStatsCallRepeat);
}

TEST_F(TourCheckTest, NewHourBandModeOrLetterCaseIsNoRepeat) {
  Log("UA3XYZ", OleDate(2013, 2, 5, 10, 59));
  EXPECT_EQ(Check("UA3XYZ", 11), kStatsCallBandWorked);
  EXPECT_EQ(Check("UA3XYZ", 10, "40", "SSB"), kStatsCallBandWorked);
  EXPECT_EQ(Check("UA3XYZ", 10, "80", "CW"), kStatsCallNotWorked);
  EXPECT_EQ(Check("ua3xyz", 10), kStatsCallBandWorked);
  EXPECT_TRUE(BufferUntouched());
}

TEST_F(TourCheckTest, StoredTimeIsRoundedToTheSecondButTheClockIsNot) {
  Log("UA3XYZ", OleDate(2013, 2, 5, 10, 59, 59.6));
  EXPECT_EQ(Check("UA3XYZ", 11), kStatsCallRepeat);
  EXPECT_EQ(Check("UA3XYZ", 10), kStatsCallBandWorked);

  contest_.Reset(0, "", testing::ValidDate(0));
  Log("UA3XYZ", OleDate(2013, 2, 5, 10, 5));
  platform_.now = UtcTime{2013, 2, 5, 10, 59, 59, 900};
  EXPECT_EQ(contest_.CheckCall("UA3XYZ", "CW", "", "40", buffer_), kStatsCallRepeat);
}

TEST_F(TourCheckTest, Bpsk63AndBpsk62AreDifferentModes) {
  Log("UA3XYZ", OleDate(2013, 2, 5, 10, 5), "40", "BPSK63");
  EXPECT_EQ(Check("UA3XYZ", 10, "40", "BPSK62"), kStatsCallBandWorked);
}

TEST_F(TourCheckTest, AnInvalidStoredTimeNeverMatches) {
  TestQso qso = Qso("UA3XYZ", "40", "CW");
  qso.status = 1;
  Add(qso);
  EXPECT_EQ(Check("UA3XYZ", 0), kStatsCallBandWorked);
}

TEST_F(TourCheckTest, WithoutRepeatTheAnswerDependsOnTheAuxTextAndTheBand) {
  EXPECT_EQ(Check("UA3XYZ", 10, "40", "CW", ""), kStatsCallNotWorked);  // empty store
  EXPECT_EQ(platform_.clockReads, 0);
  Log("DX1", OleDate(2013, 2, 5, 9, 0));
  EXPECT_EQ(Check("UA3XYZ", 10, "40", "CW", ""), kStatsCallBandWorked);
  EXPECT_EQ(Check("UA3XYZ", 10, "80", "CW", ""), kStatsCallNotWorked);
  EXPECT_EQ(Check("UA3XYZ", 10, "40", "CW", "aux"), kStatsCallNotWorked);
  EXPECT_TRUE(BufferUntouched());
}

TEST_F(TourCheckTest, SeveralRepeatsWriteOneWarningAndALongCallIsCutToFit) {
  Log("UA3XYZ", OleDate(2013, 2, 5, 10, 5));
  Log("UA3XYZ", OleDate(2013, 2, 5, 10, 6));
  EXPECT_EQ(Check("UA3XYZ", 10), kStatsCallRepeat);

  const std::string longCall(1000, 'K');
  Log(longCall, OleDate(2013, 2, 5, 10, 5));
  EXPECT_EQ(Check(longCall, 10), kStatsCallRepeat);
  const std::string warning(buffer_);
  EXPECT_EQ(warning.size(), 255u);
  EXPECT_EQ(warning.substr(0, 6), "QSO c ");
  EXPECT_EQ(warning.substr(6, 206), std::string(206, 'K'));
  EXPECT_EQ(warning.substr(212, 4), " \xC2 \xCE");
  EXPECT_EQ(buffer_[256], '#');

  // 6 + 206 + 43 characters and the zero fill the 256 bytes: one more is cut.
  for (const std::size_t length : {206u, 207u}) {
    const std::string call(length, 'R');
    Log(call, OleDate(2013, 2, 5, 10, 5));
    EXPECT_EQ(Check(call, 10), kStatsCallRepeat);
    EXPECT_EQ(std::strlen(buffer_), 255u) << length;
  }

  EXPECT_EQ(contest_.CheckCall("UA3XYZ", "CW", "", "40", nullptr),
            kStatsCallRepeat);  // no buffer: no write
}

// --- Result ------------------------------------------------------------------------

TEST_F(ContestTest, EmptyStoreGivesTheHeaderZeroTotalsAndScore) {
  contest_.Reset(0, "UA1AAA", testing::ValidDate(OleDate(2013, 2, 5)));
  int score = 99;
  EXPECT_EQ(Result(&score),
            "\t   Kesdra Velk Test 05.02.2013\r\n"
            "\t\tContestant: UA1AAA\r\n"
            "\tQSOs\tPoints\tCW\tSSB\tKvant\r\n"
            "Total\t 0\t 0\t 0\t 0\t 0\r\n"
            "\r\n"
            "Score: = 0\r\n");
  EXPECT_EQ(score, 0);
  EXPECT_EQ(ProfileValue("Claimed"), "0");
}

TEST_F(ContestTest, MultiBandSummaryScoresMarkedStationsPerBandAndModeGroup) {
  contest_.Reset(0, "UA1AAA", testing::ValidDate(OleDate(2013, 2, 5)));
  Add(Qso("DX1", "80", "CW", "W001"));
  Add(Qso("DX1", "80", "SSB", "W001"));  // same station, other mode group: counts again
  Add(Qso("DX1", "80", "CW", "W001"));   // twice in CW on one band: counts once
  Add(Qso("DX2", "80", "SSB", "W002"));
  Add(Qso("DX2", "80", "BPSK63", "W002"));  // SSB and BPSK63 share the non-CW group
  Add(Qso("DX1", "160", "CW", "W001"));     // another band: counts there too
  Add(Qso("DX3", "160", "BPSK62", "123"));
  Add(Qso("", "160", "CW", "W009"));  // no call: only in the total QSOs
  Add(Qso("DX4", "40", "SSB"));
  Remove(Qso("DX4", "40", "SSB"));  // 40 stays as a row of zeros

  int score = 0;
  EXPECT_EQ(Result(&score),
            "\t   Kesdra Velk Test 05.02.2013\r\n"
            "\t\tContestant: UA1AAA\r\n"
            "\tQSOs\tPoints\tCW\tSSB\tKvant\r\n"
            "160\t 2\t 2\t 1\t 0\t 1\r\n"
            "80\t 5\t 5\t 2\t 2\t 3\r\n"
            "40\t 0\t 0\t 0\t 0\t 0\r\n"
            "Total\t 8\t 7\t 3\t 2\t 4\r\n"
            "\r\n"
            "Score: = 28\r\n");
  EXPECT_EQ(score, 28);
  EXPECT_EQ(contest_.ClaimedScore(), 28);
  EXPECT_EQ(ProfileValue("Claimed"), "28");
  EXPECT_EQ(Result(), Result());  // repeated without change: same text
}

TEST_F(ContestTest, BandsKeepTheirSortedOrderAndNewOnesAreAppended) {
  Add(Qso("DX1", "7", "CW"));
  Add(Qso("DX2", "07", "CW"));
  Add(Qso("DX3", "3", "CW"));
  Result();
  EXPECT_EQ(contest_.Bands().Entries(), (std::vector<std::string>{"7", "07", "3"}));
  Add(Qso("DX4", "10", "CW"));
  EXPECT_EQ(contest_.Bands().Entries(), (std::vector<std::string>{"7", "07", "3", "10"}));
  const std::string text = Result();
  EXPECT_LT(text.find("10\t"), text.find("7\t"));
}

TEST_F(ContestTest, NoMarkedStationMeansScoreZero) {
  Add(Qso("DX1", "40", "CW"));
  Add(Qso("DX2", "40", "SSB"));
  int score = -5;
  Result(&score);
  EXPECT_EQ(score, 0);
}

TEST_F(ContestTest, WithReportModeTheHostGetsMinusOneButTheTextKeepsTheScore) {
  contest_.Reset(1, "UA1AAA", testing::ValidDate(OleDate(2013, 2, 5)));
  Add(Qso("DX1", "40", "CW", "W001"));
  int score = 0;
  const std::string text = Result(&score);
  EXPECT_EQ(score, -1);
  EXPECT_NE(text.find("Score: = 1\r\n"), std::string::npos);
  EXPECT_EQ(ProfileValue("Claimed"), "1");
  EXPECT_EQ(contest_.ClaimedScore(), 1);
}

// The host may pass any nonzero value for "yes", -1 included.
TEST_F(ContestTest, EveryNonzeroReportModeShowsTheDialogAndWritesTheLog) {
  for (const int reportMode : {1, -1, 2, std::numeric_limits<int>::min(), 0}) {
    SCOPED_TRACE(reportMode);
    const testing::ScopedWorkingDirectory directory;
    testing::FakePlatform platform;
    Contest contest(platform);
    contest.Reset(reportMode, "UA1AAA", testing::ValidDate(OleDate(2013, 2, 5)));
    contest.AddQso(Qso("DX1", "40", "CW", "W001").Arguments());
    int score = 0;
    contest.GetResult(&score);
    const bool report = reportMode != 0;
    EXPECT_EQ(platform.dialogPresets.size(), report ? 1u : 0u);
    EXPECT_EQ(score, report ? -1 : 1);
    EXPECT_EQ(std::filesystem::exists("UA1AAA.cbr"), report);
  }
}

TEST_F(ContestTest, NullScorePointerIsNotWritten) {
  Add(Qso("DX1", "40", "CW", "W001"));
  EXPECT_NE(std::string(contest_.GetResult(nullptr)).find("Score: = 1"), std::string::npos);
}

}  // namespace
}  // namespace stats

namespace stats {
namespace {

TEST(ScoreClamp, ProductBeyondThe32BitRangeIsClampedNotWrapped) {
  EXPECT_EQ(ClampedScore(46341, 46341), 2147483647);  // 2 147 488 281 would wrap negative
  EXPECT_EQ(ClampedScore(2147483647, 2147483647), 2147483647);
  EXPECT_EQ(ClampedScore(46340, 46340), 2147395600);
  EXPECT_EQ(ClampedScore(0, 2147483647), 0);
}

}  // namespace
}  // namespace stats
