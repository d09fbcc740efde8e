// Random contest sessions played against Contest and against the plain
// evaluation beside it: every answer must be the same, byte for byte. The
// alphabets are tiny so that calls, bands, modes and marked stations collide
// all the time, which is where the indexes of the real store could go wrong.

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "stats/contest.h"
#include "stats/public/exports.h"
#include "tests/support/fake_platform.h"
#include "tests/support/literal_contest.h"
#include "tests/support/qso_builder.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

using testing::OleDate;
using testing::TestQso;

// Control bytes in a call or mode must not break an err.txt line.
constexpr std::array<const char*, 8> kCalls = {"",   "A1", "a1",     "A1 ",
                                               "B2", "W9", "UA3ABC", "B2\x1F\x7F"};
constexpr std::array<const char*, 7> kBands = {"7", "07", "40", "160", "", "10", "0"};
constexpr std::array<const char*, 10> kModes = {"CW",     "CW", "SSB", "SSB", "BPSK63",
                                                "BPSK62", "cw", "FM",  "",    "C\rW"};
constexpr std::array<const char*, 7> kExchanges = {"", "W", "W15", "w15", "123", "001", " W1"};
constexpr std::array<const char*, 4> kAuxTexts = {"x", " ", "W1", "40"};
constexpr std::size_t kBufferSize = 300;

// Operation weights, out of 100.
struct Mix {
  int add = 42;
  int remove = 15;
  int check = 26;
  int result = 15;  // the rest resets
};

class Session {
 public:
  explicit Session(unsigned seed) : random_(seed) {}

  // Plays `steps` operations; stops at the first difference.
  void Play(int steps, const Mix& mix) {
    for (int step = 0; step < steps; ++step) {
      SCOPED_TRACE("step " + std::to_string(step));
      const int pick = Uniform(0, 99);
      if (pick < mix.add) {
        Add();
      } else if (pick < mix.add + mix.remove) {
        Remove();
      } else if (pick < mix.add + mix.remove + mix.check) {
        Check();
      } else if (pick < mix.add + mix.remove + mix.check + mix.result) {
        Result();
      } else {
        Reset();
      }
      if (::testing::Test::HasFailure()) return;
    }
    Result();
    CompareFiles();
  }

  void Reset() {
    CompareFiles();
    const int reportMode = Uniform(0, 7) == 0 ? 1 : 0;
    const OleDateTime date = AnyTime();
    ASSERT_EQ(ours_.Reset(reportMode, "UA1AAA", date), literal_.Reset(reportMode, "UA1AAA", date));
    added_.clear();
  }

 private:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  template <typename Array>
  const char* Any(const Array& values) {
    return values[static_cast<std::size_t>(Uniform(0, static_cast<int>(values.size()) - 1))];
  }

  // A date-time: mostly ordinary, sometimes on the edge of an hour, invalid,
  // null, before the epoch, anywhere in the calendar or beyond its end.
  OleDateTime AnyTime() {
    const int day = Uniform(1, 3);
    const int hour = Uniform(0, 23);
    switch (Uniform(0, 12)) {
      case 0:
        return {OleDate(2013, 2, day, hour, 59, 59.6), 0};  // rounds into the next hour
      case 1:
        return {OleDate(2013, 2, day, hour, 59, 59.4), 0};
      case 2:
        return {OleDate(2013, 2, day, hour), Uniform(1, 2)};
      case 3:
        return {-1.0 - Uniform(0, 95) / 96.0, 0};
      case 4:
        return {3.0e6, 0};
      case 5:
        return {Uniform(-657434, 2958465) + Uniform(0, 86399) / 86400.0, 0};
      default:
        return {OleDate(2013, 2, day, hour, Uniform(0, 59), Uniform(0, 59)), 0};
    }
  }

  TestQso AnyQso() {
    TestQso qso;
    qso.call = Any(kCalls);
    qso.band = Any(kBands);
    qso.mode = Any(kModes);
    qso.exchangeReceived = Any(kExchanges);
    qso.exchangeSent = Uniform(0, 9) == 0 ? "" : Any(kExchanges);
    const OleDateTime time = AnyTime();
    qso.date = time.date;
    qso.status = time.status;
    qso.frequencyHz = static_cast<unsigned>(Uniform(0, 30'000'000));
    return qso;
  }

  // A QSO already handed over (the same call, mode and band), or a new one.
  TestQso SeenOrNew() {
    if (added_.empty() || Uniform(0, 1) == 0) return AnyQso();
    TestQso qso = added_[static_cast<std::size_t>(Uniform(0, static_cast<int>(added_.size()) - 1))];
    if (Uniform(0, 2) == 0) qso.exchangeReceived = Any(kExchanges);
    return qso;
  }

  void Add() {
    const TestQso qso = SeenOrNew();
    SCOPED_TRACE("add " + Describe(qso));
    const int accepted = ours_.AddQso(qso.Arguments());
    ASSERT_EQ(accepted, literal_.AddQso(qso.Arguments()));
    if (accepted == 1) added_.push_back(qso);
  }

  void Remove() {
    TestQso qso = SeenOrNew();
    if (Uniform(0, 9) == 0) qso.exchangeSent = "";
    // Now and then the same QSO at a time that may round to another second.
    if (Uniform(0, 4) == 0) qso.date += Uniform(-6, 6) / 10.0 / 86400.0;
    SCOPED_TRACE("remove " + Describe(qso));
    ASSERT_EQ(ours_.RemoveQso(qso.Arguments()), literal_.RemoveQso(qso.Arguments()));
  }

  void Check() {
    const TestQso qso = SeenOrNew();
    const std::string auxText = Uniform(0, 2) == 0 ? Any(kAuxTexts) : "";
    const auto calendar = ToCalendarTime(OleDateTime{qso.date, qso.status});
    const int hour = calendar && Uniform(0, 3) != 0 ? calendar->hour : Uniform(0, 23);
    UtcTime now{2013, 2, 5, hour, Uniform(0, 59), Uniform(0, 59), Uniform(0, 999)};
    if (Uniform(0, 3) == 0) now = UtcTime{2013, 2, 5, hour, 59, 59, Uniform(500, 999)};
    oursPlatform_.now = now;
    literalPlatform_.now = now;
    SCOPED_TRACE("check " + Describe(qso) + " aux '" + auxText + "' at " + std::to_string(hour) +
                 ":" + std::to_string(now.minute) + ":" + std::to_string(now.second) + "." +
                 std::to_string(now.milliseconds));
    std::string oursBuffer(kBufferSize, 'Z');
    std::string literalBuffer(kBufferSize, 'Z');
    ASSERT_EQ(ours_.CheckCall(qso.call, qso.mode, auxText, qso.band, oursBuffer.data()),
              literal_.CheckCall(qso.call, qso.mode, auxText, qso.band, literalBuffer.data()));
    ASSERT_EQ(oursBuffer, literalBuffer);
  }

  void Result() {
    int oursScore = 7;
    int literalScore = 7;
    const std::string oursText = ours_.GetResult(&oursScore);
    ASSERT_EQ(oursText, literal_.GetResult(&literalScore));
    ASSERT_EQ(oursScore, literalScore);
    ASSERT_EQ(Claimed(oursPlatform_), Claimed(literalPlatform_));
  }

  void CompareFiles() const {
    ASSERT_EQ(testing::ReadFileBytes("err.txt"), testing::ReadFileBytes("literal-err.txt"));
  }

  static std::string Claimed(const testing::FakePlatform& platform) {
    const auto found = platform.profile.find({"Plugins\\ZORVA.ini", "Settings", "Claimed"});
    return found == platform.profile.end() ? "(none)" : found->second;
  }

  static std::string Describe(const TestQso& qso) {
    return "'" + qso.call + "' '" + qso.mode + "' band '" + qso.band + "' rx '" +
           qso.exchangeReceived + "' tx '" + qso.exchangeSent + "' date " +
           std::to_string(qso.date) + "/" + std::to_string(qso.status);
  }

  std::mt19937 random_;
  testing::FakePlatform oursPlatform_;
  testing::FakePlatform literalPlatform_;
  Contest ours_{oursPlatform_};
  testing::LiteralContest literal_{literalPlatform_, "literal-err.txt"};
  std::vector<TestQso> added_;
};

TEST(ContestEquivalence, RandomSessionsGiveTheSameCodesWarningsSummariesAndScores) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const testing::ScopedWorkingDirectory directory;
    Session session(seed);
    session.Reset();
    session.Play(250, Mix{});
    if (HasFailure()) return;
  }
}

TEST(ContestEquivalence, SessionsStartedWithoutAResetAgree) {
  for (unsigned seed = 100; seed <= 105; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const testing::ScopedWorkingDirectory directory;
    Session session(seed);
    session.Play(150, Mix{});
    if (HasFailure()) return;
  }
}

TEST(ContestEquivalence, LongLogsWithManyRemovalsAgree) {
  // Few resets and results: the store grows to hundreds of records, with each
  // call sign repeated many times, and loses many of them again.
  Mix mix;
  mix.add = 55;
  mix.remove = 25;
  mix.check = 17;
  mix.result = 3;
  for (unsigned seed = 200; seed <= 202; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const testing::ScopedWorkingDirectory directory;
    Session session(seed);
    session.Reset();
    session.Play(1500, mix);
    if (HasFailure()) return;
  }
}

// The yardstick itself must be right, or agreeing with it proves nothing.
TEST(LiteralContest, ScoresAndChecksAsTheRulesSay) {
  const testing::ScopedWorkingDirectory directory;
  testing::FakePlatform platform;
  testing::LiteralContest contest(platform, "err.txt");
  contest.Reset(0, "UA1AAA", testing::ValidDate(OleDate(2013, 2, 5)));
  TestQso marked = testing::Qso("DX1", "80", "CW", "W15");
  marked.date = OleDate(2013, 2, 5, 10, 5);
  EXPECT_EQ(contest.AddQso(marked.Arguments()), 1);
  EXPECT_EQ(contest.AddQso(testing::Qso("DX2", "80", "CW").Arguments()), 1);
  EXPECT_EQ(contest.AddQso(testing::Qso("DX3", "80", "SSB").Arguments()), 1);
  EXPECT_EQ(contest.AddQso(testing::Qso("DX3", "80", "FM").Arguments()), 0);
  EXPECT_EQ(contest.AddQso(testing::Qso("", "160", "BPSK63").Arguments()), 1);

  int score = 0;
  EXPECT_EQ(std::string(contest.GetResult(&score)),
            "\t   Kesdra Velk Test 05.02.2013\r\n\t\tContestant: UA1AAA\r\n"
            "\tQSOs\tPoints\tCW\tSSB\tKvant\r\n"
            "160\t 0\t 0\t 0\t 0\t 0\r\n"
            "80\t 3\t 3\t 2\t 1\t 1\r\n"
            "Total\t 4\t 3\t 2\t 1\t 1\r\n"
            "\r\nScore: = 3\r\n");
  EXPECT_EQ(score, 3);

  platform.now.hour = 10;
  char buffer[kBufferSize] = {};
  EXPECT_EQ(contest.CheckCall("DX1", "CW", "", "80", buffer), kStatsCallRepeat);
  EXPECT_EQ(std::string(buffer),
            "QSO c DX1 \xC2 \xCE\xC4\xCD\xCE\xCC \xC8 \xD2\xCE\xCC \xC6\xC5 \xD2\xD3\xD0\xC5 "
            "\xCF\xD0\xCE\xC2\xCE\xC4\xC8\xD2\xDC \xCD\xC5\xCB\xDC\xC7\xDF !!!");
  platform.now.hour = 11;
  EXPECT_EQ(contest.CheckCall("DX1", "CW", "", "80", buffer), kStatsCallBandWorked);
  EXPECT_EQ(contest.CheckCall("DX1", "CW", "x", "80", buffer), kStatsCallNotWorked);
  EXPECT_EQ(contest.RemoveQso(marked.Arguments()), 1);
  EXPECT_EQ(contest.CheckCall("DX1", "CW", "", "40", buffer), kStatsCallNotWorked);
  EXPECT_EQ(
      testing::ReadFileBytes("err.txt"),
      "Pesdra VELK TEST UBN file \r\n"
      "QSO:  7012  FM  2013-02-05 0907  OWN1  599  001  DX3  579  123   No contest mode !!!\r\n");
}

}  // namespace
}  // namespace stats
