// Whole runs through the real plug-in: the report states only what is true.
// Repeats that the plug-in refused are marked, the numbers of skipped records
// count as sent, a Kvant lost to a W left out is named as such, missing Kvant
// are counted in Kvant, and a score of 0 says why.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "stats-host/stats_host.h"
#include "tests/stats-host/stats_host_runs.h"
#include "tests/support/plugin_library.h"

namespace stats_host {
namespace {

namespace fs = std::filesystem;
using stats_host_test::Holds;
using stats_host_test::Outcome;
using stats_host_test::ScratchFolder;
using stats_host_test::StatsHost;

std::string Field(const std::string& name, const std::string& value) {
  return value.empty() ? "" : "<" + name + ":" + std::to_string(value.size()) + ">" + value;
}

// A QSO of R3KV on 2024-02-18.
std::string Record(const std::string& call, const std::string& band, const std::string& mode,
                   const std::string& time, const std::string& sent, const std::string& received) {
  return Field("CALL", call) + "<QSO_DATE:8>20240218" + Field("TIME_ON", time) +
         Field("BAND", band) + Field("MODE", mode) + Field("STX_STRING", sent) +
         Field("SRX_STRING", received) + "<STATION_CALLSIGN:4>R3KV<EOR>\n";
}

struct ScoredRun {
  Outcome outcome;
  std::string page;
};

ScoredRun Score(const std::string& log, const std::string& language) {
  const ScratchFolder scratch;
  scratch.Write("log.adi", log);
  fs::current_path(scratch.Path());
  ScoredRun run{StatsHost({"--dir", "work", "--plugin", stats::testing::BuiltPluginPath(),
                           "--repeats", "--html", "page.html", "--lang", language, "log.adi"}),
                ""};
  run.page = scratch.Read("page.html");
  return run;
}

struct Truth {
  const char* name;
  const char* language;
  std::string log;
  std::vector<std::string> page;  // parts of the page
  std::vector<std::string> notOnPage;
  std::vector<std::string> report;  // parts of the text report
};

void PrintTo(const Truth& truth, std::ostream* os) { *os << truth.name; }

class StatsHostReportTruth : public ::testing::TestWithParam<Truth> {};

TEST_P(StatsHostReportTruth, ShowsWhatIsTrue) {
  const ScoredRun run = Score(GetParam().log, GetParam().language);
  for (const std::string& part : GetParam().page) EXPECT_TRUE(Holds(run.page, part)) << part;
  for (const std::string& part : GetParam().notOnPage) EXPECT_FALSE(Holds(run.page, part)) << part;
  for (const std::string& part : GetParam().report) {
    EXPECT_TRUE(Holds(run.outcome.out, part)) << part << "\n" << run.outcome.out;
  }
}

// UA3AA is marked on 80 m; on 40 m it was logged twice without its W.
const std::string kSlips = Record("UA3AA", "80m", "CW", "1500", "001", "W123") +
                           Record("UA3AA", "40m", "CW", "1510", "002", "123") +
                           Record("UA3AA", "40m", "SSB", "1520", "003", "124") +
                           Record("UA3BB", "40m", "CW", "1530", "004", "W200");

INSTANTIATE_TEST_SUITE_P(
    AllCases, StatsHostReportTruth,
    ::testing::Values(
        // The repeat without a received number is refused: it is no counted repeat.
        Truth{"RefusedRepeatIsMarked",
              "en",
              Record("UA3AA", "80m", "CW", "1500", "001", "W123") +
                  Record("UA3AA", "80m", "CW", "1510", "002", "") +
                  Record("UA3BB", "80m", "CW", "1520", "003", "124") +
                  Record("UA3BB", "80m", "CW", "1530", "004", "125"),
              {"id=\"repeat-count\">2<", "id=\"refused-repeat-count\">1<",
               "<table id=\"refused-repeat-table\">"},
              {},
              {"as record 1 at 15:00:00  (refused by the plug-in: not counted)\n",
               "as record 3 at 15:20:00\n"}},
        // Records 2 to 4 have no CALL; their numbers went out all the same.
        Truth{"NumbersOfSkippedRecordsCountAsSent",
              "en",
              Record("UA3AA", "80m", "CW", "1500", "001", "W123") +
                  Record("", "80m", "CW", "1501", "002", "124") +
                  Record("", "80m", "CW", "1502", "003", "125") +
                  Record("", "80m", "CW", "1503", "004", "126") +
                  Record("UA3BB", "80m", "CW", "1504", "005", "127"),
              {"Sent numbers left out: <span id=\"sent-missing\">0<"},
              {"2–4"},
              {}},
        Truth{"KvantLostToAWLeftOutIsNamed",
              "en",
              kSlips,
              {"id=\"slip-count\">2<", "<td class=\"received\">123</td>",
               "<td class=\"received\">124</td>",
               // 40 m: UA3AA not counted twice, for want of its W; UA3BB not in SSB.
               "<td class=\"calls\">UA3AA (CW), UA3AA (SSB/dig.)</td>",
               "<td class=\"calls\">UA3BB</td><td class=\"calls\">UA3AA (CW), UA3AA "},
              {"<td class=\"calls\">UA3AA</td><td class=\"calls\">UA3AA"},
              {}},
        // In Kvant: 80 m lacks UA3AA's other modes and both of UA3BB's (3), 40 m
        // UA3BB's other modes (1), and UA3AA's two that were logged without W.
        Truth{"MissingKvantCountInKvant",
              "en",
              kSlips,
              {"<tr class=\"total\"><th scope=\"row\">Total</th><td class=\"n\">2</td><td "
               "class=\"n\">0</td><td class=\"n\">2</td><td class=\"n\">4</td><td "
               "class=\"n\">2</td><td class=\"n\">6</td></tr>"},
              {},
              {}},
        Truth{"ZeroScoreSaysWhy",
              "en",
              Record("UA3AA", "80m", "CW", "1500", "001", "123"),
              {"<p id=\"zero-score\">The score is 0 because no counted QSO received a number"},
              {},
              {"The score is 0: no counted QSO received a number that begins with W"}},
        Truth{"RussianPageSpeaksRussian",
              "ru",
              Record("UA3AA", "80m", "CW", "1500", "001", "W123") +
                  Record("", "80m", "CW", "1501", "002", "124"),
              {"&#8212; отчёт участника", "нет CALL"},
              {"no CALL"},
              {}}),
    [](const ::testing::TestParamInfo<Truth>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace stats_host
