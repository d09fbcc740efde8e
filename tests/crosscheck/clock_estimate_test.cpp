// The clock estimate on small made-up contests in which every two stations
// work each other on 80 m CW in every one of four tours, so that by time alone
// a clock an hour off finds the wrong tour's QSOs: each log's clock is given
// QSO by QSO, and the offset the check applies to each QSO must be within
// half a minute of it (the logs keep times to the minute).

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "crosscheck/check/check_contest.h"
#include "logs/file/read_log_file.h"

namespace {

using crosscheck::CheckContest;
using crosscheck::Contest;

// Seconds ahead at the log's QSO number `index` (from 0), of `count`.
using Clock = std::function<int(int index, int count)>;

Clock Ahead(int seconds) {
  return [seconds](int, int) { return seconds; };
}

// `before` for the first `share` of the QSOs, then `after`.
Clock Changed(int before, double share, int after) {
  return [=](int index, int count) { return index < share * count ? before : after; };
}

struct ClockCase {
  std::string name;
  std::vector<Clock> clocks;  // one per station
};

std::string Call(std::size_t station) { return "RA" + std::to_string(station) + "AA"; }

struct Contact {
  int time;  // seconds from 10:00 UTC
  std::size_t a;
  std::size_t b;
};

std::string Line(std::size_t self, const Contact& contact, int logged, int sent, int received) {
  const std::size_t other = contact.a == self ? contact.b : contact.a;
  const int minutes = 10 * 60 + logged / 60 - (logged < 0 && logged % 60 != 0 ? 1 : 0);
  char text[160];
  std::snprintf(text, sizeof text, "QSO: 3550 CW 2024-02-%02d %02d%02d %s 599 %03d %s 599 %03d\n",
                18 + minutes / 1440, minutes / 60 % 24, minutes % 60, Call(self).c_str(), sent,
                Call(other).c_str(), received);
  return text;
}

// `shortLog`: a station that logged only its first two QSOs.
Contest MakeContest(const std::vector<Clock>& clocks, std::size_t shortLog = SIZE_MAX) {
  const std::size_t stations = clocks.size();
  std::vector<Contact> contacts;
  for (int tour = 0; tour < 4; ++tour) {
    int k = 0;
    for (std::size_t a = 0; a < stations; ++a) {
      for (std::size_t b = a + 1; b < stations; ++b, ++k) {
        contacts.push_back(Contact{tour * 3600 + (k * 523 + tour * 61) % 3540 + 20, a, b});
      }
    }
  }
  std::sort(contacts.begin(), contacts.end(),
            [](const Contact& x, const Contact& y) { return x.time < y.time; });
  Contest contest;
  for (std::size_t self = 0; self < stations; ++self) {
    std::vector<const Contact*> own;
    for (const Contact& contact : contacts) {
      if (contact.a == self || contact.b == self) own.push_back(&contact);
    }
    std::string text = "START-OF-LOG: 3.0\nCALLSIGN: " + Call(self) + "\n";
    if (self == shortLog) own.resize(2);
    const int count = static_cast<int>(own.size());
    for (int i = 0; i < count; ++i) {
      const Contact& contact = *own[i];
      const std::size_t other = contact.a == self ? contact.b : contact.a;
      // The other station's number for this QSO: its place in its own log.
      int theirs = 1;
      for (const Contact& earlier : contacts) {
        if (&earlier == &contact) break;
        theirs += earlier.a == other || earlier.b == other ? 1 : 0;
      }
      text += Line(self, contact, contact.time + clocks[self](i, count), i + 1, theirs);
    }
    contest.Add(logs::ReadLogBytes(Call(self) + ".cbr", text + "END-OF-LOG:\n"), {});
  }
  contest.ChooseAmongRepeatedCalls();
  return contest;
}

const ClockCase kClockCases[] = {
    {"EveryClockUpToHalfAnHourOff",
     {Ahead(0), Ahead(1800), Ahead(-1790), Ahead(600), Ahead(-45), Ahead(12), Ahead(0), Ahead(0),
      Ahead(300), Ahead(-3)}},
    {"LogsInLocalTimeWholeHoursAhead",
     {Ahead(0), Ahead(5), Ahead(-4), Ahead(0), Ahead(3 * 3600), Ahead(12 * 3600 + 20), Ahead(-3600),
      Ahead(2 * 3600 - 17), Ahead(0), Ahead(0)}},
    {"AClockSetRightHalfway",
     {Ahead(0), Changed(600, 0.5, 2), Ahead(0), Ahead(-20), Ahead(0), Ahead(0), Ahead(15), Ahead(0),
      Ahead(0), Ahead(0)}},
    {"AClockSetBackByMinutesAndOneSetAheadByAnHour",
     {Changed(0, 0.4, -420), Ahead(0), Ahead(0), Changed(-30, 0.7, 3570), Ahead(0), Ahead(10),
      Ahead(0), Ahead(0), Ahead(-8), Ahead(0)}},
};

void PrintTo(const ClockCase& clockCase, std::ostream* out) { *out << clockCase.name; }

class ClockEstimate : public testing::TestWithParam<ClockCase> {};

TEST_P(ClockEstimate, FindsEachQsosOffsetAndConfirmsEveryQso) {
  const std::vector<Clock>& clocks = GetParam().clocks;
  const Contest contest = MakeContest(clocks);
  const crosscheck::CheckResult result = CheckContest(contest, {});
  for (crosscheck::LogId log = 0; log < contest.logs.size(); ++log) {
    const int count = static_cast<int>(contest.logs[log].endQso - contest.logs[log].firstQso);
    const crosscheck::ClockEstimate& clock = result.logs[log].clock;
    EXPECT_EQ(result.logs[log].clockDoubt, crosscheck::ClockDoubt::kNone) << Call(log);
    for (int i = 0; i < count; ++i) {
      const crosscheck::QsoId id = contest.logs[log].firstQso + static_cast<crosscheck::QsoId>(i);
      EXPECT_NEAR(clock.OffsetOf(id), clocks[log](i, count), 30) << Call(log) << " QSO " << i;
      EXPECT_EQ(NameOf(result.judgements[id].verdict), "ok") << Call(log) << " QSO " << i;
      EXPECT_EQ(NameOf(result.judgements[id].note), "") << Call(log) << " QSO " << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ClockEstimate, testing::ValuesIn(kClockCases),
                         [](const testing::TestParamInfo<ClockCase>& info) {
                           return info.param.name;
                         });

TEST(ClockEstimate, FlagsAClockOnFewQsosAndOneWhoseQsosStillDoNotMeet) {
  // Station 0 logged only two QSOs; station 1's times are scattered over the day.
  std::vector<Clock> clocks(8, Ahead(0));
  clocks[1] = [](int index, int) { return ((index * 7919) % 13 - 6) * 600; };
  const crosscheck::CheckResult result = CheckContest(MakeContest(clocks, 0), {});
  EXPECT_EQ(result.logs[0].clockDoubt, crosscheck::ClockDoubt::kWeak);
  EXPECT_EQ(result.logs[1].clockDoubt, crosscheck::ClockDoubt::kUnconfirmed);
  EXPECT_EQ(result.logs[2].clockDoubt, crosscheck::ClockDoubt::kNone);
}

}  // namespace
