// The matching's cases, each a few small logs, the options they are checked
// with, and the verdicts (with their evidence) some of their lines must get.

#include <gtest/gtest.h>

#include <optional>

#include "crosscheck/check/check_contest.h"
#include "logs/file/read_log_file.h"
#include "logs/time/qso_date.h"

namespace {

using crosscheck::CheckContest;
using crosscheck::CheckOptions;
using crosscheck::Contest;

// A log in Cabrillo 3.0; each QSO is "kHz mode HHMM call sent received", on
// 18 February 2024 ("X" before it: an X-QSO line), and lands on line 2 + its
// place in the list.
struct Log {
  std::string call;
  std::vector<std::string> qsos;
};

struct Expected {
  std::string log;
  std::size_t qso;  // from 1, in the log's list
  std::string verdict;
  std::string correctCall = {};
  std::string note = {};
  std::optional<bool> counted = {};
  std::string otherLog = {};  // whose line is the evidence
  std::size_t otherQso = 0;   // which one, from 1
};

struct Case {
  std::string name;
  std::vector<Log> logs;
  std::vector<Expected> expected;
  CheckOptions options = {};
};

std::string Cabrillo(const Log& log) {
  std::string text = "START-OF-LOG: 3.0\nCALLSIGN: " + log.call + "\n";
  for (const std::string& qso : log.qsos) {
    std::istringstream words(qso);
    std::string tag = "QSO:";
    std::string khz, mode, time, call, sent, received;
    words >> khz;
    if (khz == "X") tag = "X-QSO:", words >> khz;
    words >> mode >> time >> call >> sent >> received;
    text += tag + " " + khz + " " + mode + " 2024-02-18 " + time + " " + log.call + " 599 " + sent +
            " " + call + " 599 " + received + "\n";
  }
  return text + "END-OF-LOG:\n";
}

// Four stations whose clocks are right and who work `call` (whose clock is
// `ahead` minutes fast) once each, on 40 m CW, so that its clock can be found.
std::vector<Log> Witnesses(const std::string& call, int ahead) {
  std::vector<Log> logs;
  Log worked{call, {}};
  for (int i = 0; i < 4; ++i) {
    const std::string witness = "UA9W" + std::string(1, static_cast<char>('A' + i));
    const int minute = 30 + 5 * i;
    logs.push_back(Log{witness,
                       {"7010 CW 10" + std::to_string(minute) + " " + call + " 10" +
                        std::to_string(i) + " 20" + std::to_string(i)}});
    worked.qsos.push_back("7010 CW 10" + std::to_string(minute + ahead) + " " + witness + " 20" +
                          std::to_string(i) + " 10" + std::to_string(i));
  }
  logs.push_back(worked);
  return logs;
}

std::vector<Log> With(std::vector<Log> logs, const std::vector<Log>& more) {
  for (const Log& log : more) {
    const auto same = std::find_if(logs.begin(), logs.end(),
                                   [&](const Log& known) { return known.call == log.call; });
    if (same == logs.end()) {
      logs.push_back(log);
    } else {
      same->qsos.insert(same->qsos.end(), log.qsos.begin(), log.qsos.end());
    }
  }
  return logs;
}

CheckOptions Options(void (*set)(CheckOptions&)) {
  CheckOptions options;
  set(options);
  return options;
}

const Case kCases[] = {
    {"GoodRepeatAcrossTheHourWithAClockThreeMinutesFast",
     // True 10:58 and 11:20: two tours, although RA3A's clock says 11:01 and 11:23.
     With(Witnesses("RA3A", 3),
          {{"RA3A", {"3550 CW 1101 RA3B 111 222", "3550 CW 1123 RA3B 112 223"}},
           {"RA3B", {"3550 CW 1058 RA3A 222 111", "3550 CW 1120 RA3A 223 112"}}}),
     {{"RA3A", 5, "ok"}, {"RA3A", 6, "ok"}, {"RA3B", 1, "ok"}, {"RA3B", 2, "ok"}}},
    {"RepeatWithinTheHourWithAClockThreeMinutesSlow",
     // True 11:01 and 11:20: one tour, although RA3A's clock says 10:58 first.
     With(Witnesses("RA3A", -3),
          {{"RA3A", {"3550 CW 1058 RA3B 111 222", "3550 CW 1117 RA3B 112 223"}},
           {"RA3B", {"3550 CW 1101 RA3A 222 111", "3550 CW 1120 RA3A 223 112"}}}),
     {{"RA3A", 5, "ok"}, {"RA3A", 6, "dupe"}, {"RA3B", 2, "dupe"}}},
    {"GoodRepeatInTheNextTourAndADupe",
     {{"RA3A", {"3550 CW 1050 RA3B 1 1", "3550 CW 1105 RA3B 2 2", "3550 CW 1110 RA3B 3 3"}},
      {"RA3B", {"3550 CW 1050 RA3A 1 1", "3550 CW 1105 RA3A 2 2", "3550 CW 1110 RA3A 3 3"}}},
     {{"RA3A", 1, "ok"}, {"RA3A", 2, "ok"}, {"RA3A", 3, "dupe"}, {"RA3B", 3, "dupe"}}},
    {"EachQsoConfirmsOneOther",
     // RA3A logged the QSO twice a minute apart; RA3B once.
     {{"RA3A", {"3550 CW 1000 RA3B 1 1", "3550 CW 1001 RA3B 2 1"}},
      {"RA3B", {"3550 CW 1001 RA3A 1 2"}}},
     {{"RA3A", 1, "dupe"}, {"RA3A", 2, "ok"}, {"RA3B", 1, "ok"}}},
    {"PairsWhoseNumbersAgreeBeforeTheClosest",
     // Two QSOs two minutes apart; by time alone the first would pair with
     // RA3B's first, whose numbers are the second's.
     {{"RA3A", {"3550 CW 1000 RA3B 001 005", "3550 CW 1001 RA3B 002 006"}},
      {"RA3B", {"3550 CW 1000 RA3A 006 002", "3550 CW 1001 RA3A 005 001"}}},
     {{"RA3A", 1, "ok", "", "", {}, "RA3B", 2},
      {"RA3A", 2, "dupe"},
      {"RA3B", 1, "ok", "", "", {}, "RA3A", 2}}},
    {"TwoSimilarCallsBothReal",
     {{"RA3A", {"3550 CW 1000 UA1SH 1 1", "3550 CW 1001 UA1HH 2 1"}},
      {"UA1SH", {"3550 CW 1000 RA3A 1 1"}},
      {"UA1HH", {"3550 CW 1001 RA3A 1 2"}}},
     {{"RA3A", 1, "ok"}, {"RA3A", 2, "ok"}, {"UA1SH", 1, "ok"}, {"UA1HH", 1, "ok"}}},
    {"BustedCallNamesTheRightStation",
     {{"RA3A", {"3550 CW 1000 UA1HH 1 1"}}, {"UA1SH", {"3550 CW 1001 RA3A 1 1"}}},
     {{"RA3A", 1, "busted-call", "UA1SH", "", false, "UA1SH", 1}, {"UA1SH", 1, "ok"}}},
    {"TheSameMiscopyInEveryLogIsBustedInEach",
     // Three stations hear UA1SH as UA1HH; its numbers agree with each.
     {{"RA3A", {"3550 CW 1000 UA1HH 7 1"}},
      {"RA3C", {"3550 CW 1010 UA1HH 8 2"}},
      {"RA3D", {"3550 CW 1020 UA1HH 9 3"}},
      {"UA1SH", {"3550 CW 1000 RA3A 1 7", "3550 CW 1010 RA3C 2 8", "3550 CW 1020 RA3D 3 9"}}},
     {{"RA3A", 1, "busted-call", "UA1SH"},
      {"RA3C", 1, "busted-call", "UA1SH"},
      {"RA3D", 1, "busted-call", "UA1SH"},
      {"UA1SH", 1, "ok"},
      {"UA1SH", 3, "ok"}}},
    {"AStationThatSentNoLogStaysNoLog",
     // UA1HH is in three logs; UA1SH's QSOs at those times are with others' numbers.
     {{"RA3A", {"3550 CW 1000 UA1HH 7 41"}},
      {"RA3C", {"3550 CW 1010 UA1HH 8 42"}},
      {"RA3D", {"3550 CW 1020 UA1HH 9 43"}},
      {"UA1SH", {"3550 CW 1000 RA3A 1 17"}}},
     {{"RA3A", 1, "no-log", "", "", true},
      {"RA3D", 1, "no-log"},
      {"UA1SH", 1, "nil", "", "nearest", {}, "RA3A", 1}}},
    {"ANumberThatAgreesEitherWayShowsTheMiscopy",
     // UA1HH is in two logs; only the number RA3A sent agrees, the one it
     // received was miscopied too.
     {{"RA3A", {"3550 CW 1000 UA1HH 7 19"}},
      {"RA3C", {"3550 CW 1010 UA1HH 8 52"}},
      {"UA1SH", {"3550 CW 1000 RA3A 1 7"}}},
     // UA1HH is then in one log only.
     {{"RA3A", 1, "busted-call", "UA1SH"}, {"RA3C", 1, "unique"}, {"UA1SH", 1, "ok"}}},
    {"TheNumbersChooseAmongCloseStations",
     // UA1SH's call sounds most like UA1HH in CW, but UA1HS's numbers agree.
     {{"RA3A", {"3550 CW 1000 UA1HH 7 5"}},
      {"UA1SH", {"3550 CW 1000 RA3A 3 7"}},
      {"UA1HS", {"3550 CW 1000 RA3A 5 7"}}},
     {{"RA3A", 1, "busted-call", "UA1HS"}, {"UA1SH", 1, "nil", "", "nearest"}, {"UA1HS", 1, "ok"}}},
    {"AMiscopyThatIsAnotherParticipantsCall",
     {{"RA3A", {"3550 CW 1000 UA1HH 7 5"}},
      {"UA1SH", {"3550 CW 1000 RA3A 5 7"}},
      {"UA1HH", {"3550 CW 1030 UA9WA 1 1"}}},
     {{"RA3A", 1, "busted-call", "UA1SH"}, {"UA1SH", 1, "ok"}}},
    {"BothSidesMiscopiedTheOtherCall",
     {{"RA3A", {"3550 CW 1000 UA1HH 7 5"}}, {"UA1SH", {"3550 CW 1000 RA3W 5 7"}}},
     {{"RA3A", 1, "busted-call", "UA1SH"}, {"UA1SH", 1, "busted-call", "RA3A"}}},
    {"PortableSuffixAndCwSpacing",
     {{"RA3A", {"3550 CW 1000 UA1SH 7 5", "3550 CW 1010 UA1ETB 8 9"}},
      {"UA1SH/P", {"3550 CW 1000 RA3A 5 7"}},
      {"UA1AB", {"3550 CW 1010 RA3A 9 8"}}},
     {{"RA3A", 1, "busted-call", "UA1SH/P"}, {"RA3A", 2, "busted-call", "UA1AB"}}},
    {"ATimeTypedWrongIsConfirmedWithANote",
     // RA3B typed 11:30 for 10:30.
     {{"RA3A", {"7010 CW 1030 RA3B 2 2"}},
      {"RA3B", {"7010 CW 1029 UA9WA 1 1", "7010 CW 1130 RA3A 2 2", "7010 CW 1031 UA9WB 3 3"}}},
     {{"RA3A", 1, "ok", "", "times-apart", true, "RA3B", 2},
      {"RA3B", 2, "ok", "", "times-apart", true, "RA3A", 1}}},
    {"ATimeTypedWrongAndANumberMiscopied",
     {{"RA3A", {"7010 CW 1030 RA3B 2 9"}},
      {"RA3B", {"7010 CW 1029 UA9WA 1 1", "7010 CW 1130 RA3A 2 2", "7010 CW 1031 UA9WB 3 3"}}},
     {{"RA3A", 1, "busted-exchange", "", "times-apart"}, {"RA3B", 2, "ok", "", "times-apart"}}},
    {"ABustedCallWithATimeTypedWrong",
     {{"RA3A", {"7010 CW 1130 UA1HH 4 6"}}, {"UA1SH", {"7010 CW 1030 RA3A 6 4"}}},
     {{"RA3A", 1, "busted-call", "UA1SH", "times-apart"}, {"UA1SH", 1, "ok", "", "times-apart"}}},
    {"NumbersSentUnchangedTellNoSlip",
     {{"RA3A", {"7010 CW 1030 RA3B 5 7", "7010 CW 1035 UA9WA 5 1"}},
      {"RA3B", {"7010 CW 1129 UA9WB 7 1", "7010 CW 1130 RA3A 7 5"}}},
     {{"RA3A", 1, "nil", "", "nearest"}, {"RA3B", 2, "nil", "", "nearest"}}},
    {"AnXQsoConfirmsTheOtherSideAndCountsForNoOne",
     {{"RA3A", {"X 3550 CW 1000 RA3B 1 1"}}, {"RA3B", {"3550 CW 1000 RA3A 1 1"}}},
     {{"RA3A", 1, "out-of-contest", "", "", false}, {"RA3B", 1, "ok", "", "", true}}},
    {"ANilNamesTheOtherLogsNearestLine",
     {{"RA3A", {"3550 CW 1000 RA3B 1 1", "7010 CW 1100 RA3B 2 2", "7010 PH 1200 RA3B 3 3"}},
      {"RA3B", {"7010 CW 1000 RA3A 1 1", "7010 CW 1140 RA3A 5 5", "7010 CW 1200 RA3A 6 6"}}},
     {{"RA3A", 1, "nil", "", "nearest", {}, "RA3B", 1},
      {"RA3A", 2, "nil", "", "nearest", {}, "RA3B", 2},
      {"RA3A", 3, "nil", "", "nearest", {}, "RA3B", 3}}},
    {"ANilShowsTheLineOutOfTheContest",
     {{"RA3A", {"3550 CW 1000 RA3B 1 1"}}, {"RA3B", {"3550 RY 1000 RA3A 1 1"}}},
     {{"RA3A", 1, "nil", "", "nearest", false, "RA3B", 1}, {"RA3B", 1, "out-of-contest"}}},
    {"WindowOption",
     {{"RA3A", {"3550 CW 1000 RA3B 1 7"}}, {"RA3B", {"3550 CW 1005 RA3A 2 5"}}},
     {{"RA3A", 1, "busted-exchange"}},
     Options([](CheckOptions& options) { options.windowSeconds = 10 * 60; })},
    {"MinLogsOption",
     {{"RA3A", {"3550 CW 1000 UA9X 1 7"}}, {"RA3B", {"3550 CW 1005 UA9X 2 9"}}},
     {{"RA3A", 1, "no-log", "", "", true}},
     Options([](CheckOptions& options) { options.minLogs = 2; })},
    {"CountUniquesOption",
     {{"RA3A", {"3550 CW 1000 UA9X 1 7"}}},
     {{"RA3A", 1, "unique", "", "", true}},
     Options([](CheckOptions& options) { options.countUniques = true; })},
    {"PeriodAndBandsOptions",
     {{"RA3A",
       {"3550 CW 0959 RA3B 1 1", "3550 CW 1000 RA3B 2 2", "7010 CW 1001 RA3B 3 3",
        "3550 CW 1100 RA3B 4 4"}},
      {"RA3B",
       {"3550 CW 0959 RA3A 1 1", "3550 CW 1000 RA3A 2 2", "7010 CW 1001 RA3A 3 3",
        "3550 CW 1100 RA3A 4 4"}}},
     {{"RA3A", 1, "out-of-contest"},
      {"RA3A", 2, "ok"},
      {"RA3A", 3, "out-of-contest"},
      {"RA3A", 4, "out-of-contest"}},
     Options([](CheckOptions& options) {
       options.from = logs::SecondsSinceOleEpoch(logs::QsoDate{2024, 2, 18}, 10 * 3600);
       options.to = *options.from + 3600;
       options.bands = {"80"};
     })},
};

void PrintTo(const Case& matchingCase, std::ostream* out) { *out << matchingCase.name; }

class MatchingCase : public testing::TestWithParam<Case> {};

TEST_P(MatchingCase, GivesTheVerdicts) {
  Contest contest;
  for (const Log& log : GetParam().logs) {
    contest.Add(logs::ReadLogBytes(log.call + ".cbr", Cabrillo(log)), {});
  }
  contest.ChooseAmongRepeatedCalls();
  const crosscheck::CheckResult result = CheckContest(contest, GetParam().options);
  const auto firstQsoOf = [&](const std::string& call) {
    const auto log = std::find_if(contest.logs.begin(), contest.logs.end(), [&](const auto& log) {
      return contest.calls.Text(log.ownCall) == call;
    });
    EXPECT_NE(log, contest.logs.end()) << call;
    return log == contest.logs.end() ? crosscheck::kNone : log->firstQso;
  };
  for (const Expected& expected : GetParam().expected) {
    const std::string where = expected.log + " QSO " + std::to_string(expected.qso);
    const crosscheck::QsoId id = firstQsoOf(expected.log) + expected.qso - 1;
    const crosscheck::Judgement& judgement = result.judgements[id];
    EXPECT_EQ(NameOf(judgement.verdict), expected.verdict) << where;
    const std::string correct =
        judgement.correctCall == crosscheck::kNone ? "" : contest.calls.Text(judgement.correctCall);
    EXPECT_EQ(correct, expected.correctCall) << where;
    EXPECT_EQ(NameOf(judgement.note), expected.note) << where;
    if (expected.counted) {
      EXPECT_EQ(judgement.counted, *expected.counted) << where;
    }
    if (!expected.otherLog.empty()) {
      EXPECT_EQ(judgement.evidence, firstQsoOf(expected.otherLog) + expected.otherQso - 1) << where;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, MatchingCase, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(MatchingCase, PenaltiesComeOffThePointsBeforeKvant) {
  Contest contest;
  contest.Add(
      logs::ReadLogBytes("RA3A.cbr", Cabrillo({"RA3A",
                                               {"3550 CW 1000 RA3B 1 W1", "3550 CW 1001 RA3C 2 3",
                                                "3550 CW 1002 RA3D 3 1"}})),
      {});
  contest.Add(logs::ReadLogBytes("RA3B.cbr", Cabrillo({"RA3B", {"3550 CW 1000 RA3A W1 1"}})), {});
  contest.Add(logs::ReadLogBytes("RA3C.cbr", Cabrillo({"RA3C", {"3550 CW 1001 RA3A 3 2"}})), {});
  contest.Add(logs::ReadLogBytes("RA3D.cbr", Cabrillo({"RA3D", {"3550 CW 1030 UA9WA 1 1"}})), {});
  contest.ChooseAmongRepeatedCalls();
  CheckOptions options;
  options.penalties[static_cast<std::size_t>(crosscheck::Verdict::kNil)] = 1;
  const crosscheck::CheckResult result = CheckContest(contest, options);
  const crosscheck::LogResult& ra3a = result.logs[0];
  EXPECT_EQ(ra3a.counted, 2u);
  EXPECT_EQ(ra3a.penalty, 1);
  EXPECT_EQ(ra3a.kvant, 1u);
  EXPECT_EQ(ra3a.checked, (2 - 1) * 1);
}

}  // namespace
