// The matching's edge cases, each a few small logs and the verdicts some of
// their lines must get.

#include <gtest/gtest.h>

#include "crosscheck/check/check_contest.h"
#include "logs/file/read_log_file.h"

namespace {

using crosscheck::CheckContest;
using crosscheck::CheckOptions;
using crosscheck::Contest;

// A log in Cabrillo 3.0; each QSO is "kHz mode HHMM call sent received", on
// 18 February 2024, and lands on line 2 + its place in the list.
struct Log {
  std::string call;
  std::vector<std::string> qsos;
};

struct Expected {
  std::string log;
  std::size_t qso;  // from 1, in the log's list
  std::string verdict;
  std::string correctCall = {};
};

struct Case {
  std::string name;
  std::vector<Log> logs;
  std::vector<Expected> expected;
};

std::string Cabrillo(const Log& log) {
  std::string text = "START-OF-LOG: 3.0\nCALLSIGN: " + log.call + "\n";
  for (const std::string& qso : log.qsos) {
    std::istringstream words(qso);
    std::string khz, mode, time, call, sent, received;
    words >> khz >> mode >> time >> call >> sent >> received;
    text += "QSO: " + khz + " " + mode + " 2024-02-18 " + time + " " + log.call + " 599 " + sent +
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
    {"TwoSimilarCallsBothReal",
     {{"RA3A", {"3550 CW 1000 UA1SH 1 1", "3550 CW 1001 UA1HH 2 1"}},
      {"UA1SH", {"3550 CW 1000 RA3A 1 1"}},
      {"UA1HH", {"3550 CW 1001 RA3A 1 2"}}},
     {{"RA3A", 1, "ok"}, {"RA3A", 2, "ok"}, {"UA1SH", 1, "ok"}, {"UA1HH", 1, "ok"}}},
    {"BustedCallNamesTheRightStation",
     {{"RA3A", {"3550 CW 1000 UA1HH 1 1"}}, {"UA1SH", {"3550 CW 1001 RA3A 1 1"}}},
     {{"RA3A", 1, "busted-call", "UA1SH"}, {"UA1SH", 1, "ok"}}},
    {"CallInAnotherLogIsNoBust",
     // UA1HH is in two logs: a station that sent no log, not a miscopy.
     {{"RA3A", {"3550 CW 1000 UA1HH 1 1"}},
      {"RA3C", {"3550 CW 1010 UA1HH 1 1"}},
      {"UA1SH", {"3550 CW 1001 RA3A 1 1"}}},
     {{"RA3A", 1, "no-log"}, {"UA1SH", 1, "nil"}}},
    {"ANumberMiscopiedAndTheSendersOwnSlip",
     // RA3B sent 006 but logged 060; RA3A copied 006. RA3C copied 007 as 009.
     {{"RA3A", {"7010 CW 1006 RA3B 1 006"}},
      {"RA3C", {"7010 CW 1007 RA3B 1 009"}},
      {"RA3B",
       {"7010 CW 1005 UA9WA 005 1", "7010 CW 1006 RA3A 060 1", "7010 CW 1007 RA3C 007 1",
        "7010 CW 1008 UA9WB 008 1"}}},
     {{"RA3A", 1, "ok"}, {"RA3C", 1, "busted-exchange"}, {"RA3B", 2, "ok"}}},
    {"OtherBandModeOrTimeIsNil",
     {{"RA3A", {"3550 CW 1000 RA3B 1 1", "7010 CW 1030 RA3B 2 2", "7010 PH 1100 RA3B 3 3"}},
      {"RA3B", {"7010 CW 1000 RA3A 1 1", "7010 CW 1040 RA3A 2 2", "7010 CW 1100 RA3A 3 3"}}},
     {{"RA3A", 1, "nil"}, {"RA3A", 2, "nil"}, {"RA3A", 3, "nil"}}},
};

void PrintTo(const Case& matchingCase, std::ostream* out) { *out << matchingCase.name; }

class MatchingCase : public testing::TestWithParam<Case> {};

TEST_P(MatchingCase, GivesTheVerdicts) {
  Contest contest;
  for (const Log& log : GetParam().logs) {
    const std::string text = Cabrillo(log);
    contest.Add(logs::ReadLogBytes(log.call + ".cbr", text), {});
  }
  contest.ChooseAmongRepeatedCalls();
  const crosscheck::CheckResult result = CheckContest(contest, CheckOptions{});
  for (const Expected& expected : GetParam().expected) {
    const auto log = std::find_if(contest.logs.begin(), contest.logs.end(), [&](const auto& log) {
      return contest.calls.Text(log.ownCall) == expected.log;
    });
    ASSERT_NE(log, contest.logs.end());
    const crosscheck::Judgement& judgement = result.judgements[log->firstQso + expected.qso - 1];
    EXPECT_EQ(NameOf(judgement.verdict), expected.verdict)
        << expected.log << " QSO " << expected.qso;
    const std::string correct =
        judgement.correctCall == crosscheck::kNone ? "" : contest.calls.Text(judgement.correctCall);
    EXPECT_EQ(correct, expected.correctCall) << expected.log << " QSO " << expected.qso;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, MatchingCase, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

}  // namespace
