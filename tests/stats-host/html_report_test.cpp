// The HTML report's parts: texts from the plug-in's world made safe for the
// page, the summary read back, tours by band, the language, the charts' label
// spacing, and the page's answer to a file it can not write. The whole page of
// the sample log is pinned by the golden files, its rendering by the browser test.

#include "stats-host/report/html_report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "logs/text/report_language.h"
#include "pages/column_chart.h"
#include "pages/html_text.h"
#include "stats-host/report/tour_matrix.h"
#include "stats-host/run/plugin_summary.h"
#include "stats-host/stats_host.h"
#include "tests/support/plugin_library.h"
#include "tests/support/temp_dir.h"

namespace stats_host {
namespace {

using logs::ReportLanguage;

TEST(HtmlText, Windows1251OrUtf8BecomeEscapedUtf8) {
  const struct {
    std::string bytes;
    std::string html;
  } cases[] = {
      {"R3KV/P", "R3KV/P"},
      {"\xD0\xE0\xE4\xE8\xEE \xB9\xB8\x98", "Радио №ё\xEF\xBF\xBD"},  // Windows-1251
      {"Радио", "Радио"},                                             // valid UTF-8 stays
      {"\xC0\x80", "АЂ"},              // an overlong form is no UTF-8
      {"\xED\xA0\x80", "н\xC2\xA0Ђ"},  // nor is a surrogate
      {"a\tb\r\nc\x7F", "a b  c "},    // no control character reaches the page
      {"<b>&\"'", "&lt;b&gt;&amp;&quot;&#39;"},
  };
  for (const auto& [bytes, html] : cases) EXPECT_EQ(pages::HtmlText(bytes), html) << bytes;
}

TEST(PluginSummary, ReadsRowsTotalAndScoreBack) {
  const PluginSummary summary = ParsePluginSummary(
      "\t   Kesdra Velk Test 18.02.2024\r\n\t\tContestant: R3KV\r\n"
      "\tQSOs\tPoints\tCW\tSSB\tKvant\r\n"
      "160\t 120\t 120\t 62\t 43\t 8\r\n80\t 0\t 0\t 0\t 0\t 0\r\n"
      "Total\t 121\t 120\t 62\t 43\t 8\r\n\r\nScore: = 960");
  EXPECT_EQ(summary.contestDate, "18.02.2024");
  EXPECT_EQ(summary.contestant, "R3KV");
  ASSERT_EQ(summary.bands.size(), 2u);
  EXPECT_EQ(summary.bands[0].band, "160");
  EXPECT_EQ(summary.bands[0].ssb, 43);
  EXPECT_EQ(summary.bands[1].qsos, 0);
  ASSERT_TRUE(summary.total);
  EXPECT_EQ(summary.total->qsos, 121);
  EXPECT_EQ(summary.score, 960);

  const PluginSummary nothing = ParsePluginSummary("not a summary");
  EXPECT_TRUE(nothing.bands.empty());
  EXPECT_FALSE(nothing.total || nothing.score);
}

logs::HostQso Qso(const std::string& call, int day, int hour, const std::string& band,
                  const std::string& mode, const std::string& received = "001") {
  logs::HostQso qso;
  qso.call = call;
  qso.date = logs::QsoDate{2024, 2, day};
  qso.secondOfDay = hour * 3600 + 1234;
  qso.band = band;
  qso.mode = mode;
  qso.exchangeReceived = received;
  return qso;
}

std::vector<std::vector<int>> Cells(const TourTable& table, bool kvant) {
  std::vector<std::vector<int>> rows;
  for (const TourRow& row : table.tours) {
    rows.emplace_back();
    for (const TourCell& cell : row.bands) rows.back().push_back(kvant ? cell.kvant : cell.qsos);
  }
  return rows;
}

TEST(TourMatrix, KvantCountsInTheTourOfTheMarkedStationsEarliestQso) {
  TourMatrix matrix;
  // Handed over out of time order: the 17:00 QSO with UA1 comes first.
  matrix.Add(Qso("UA1", 18, 17, "80", "CW", "W1"));
  matrix.Add(Qso("UA1", 18, 15, "80", "CW", "W1"));   // earliest: Kvant in 15:00
  matrix.Add(Qso("UA1", 18, 16, "80", "SSB", "W1"));  // other modes count apart
  matrix.Add(Qso("UA1", 18, 16, "80", "BPSK63", "W1"));
  matrix.Add(Qso("UA1", 18, 17, "160", "CW", "W1"));  // and every band apart
  matrix.Add(Qso("UA2", 18, 17, "40", "CW", "w2"));   // case counts, as in the plug-in
  const TourTable table = matrix.Table({"160", "80"});

  EXPECT_EQ(table.bands, (std::vector<std::string>{"160", "80", "40"}));
  ASSERT_EQ(table.tours.size(), 3u);
  EXPECT_EQ(table.tours[0].hour, 15);
  EXPECT_EQ(Cells(table, false), (std::vector<std::vector<int>>{{0, 1, 0}, {0, 2, 0}, {1, 1, 1}}));
  EXPECT_EQ(Cells(table, true), (std::vector<std::vector<int>>{{0, 1, 0}, {0, 1, 0}, {1, 0, 0}}));
  EXPECT_EQ(table.bandTotals[1].qsos, 4);
  EXPECT_EQ(table.bandTotals[1].kvant, 2);
  EXPECT_EQ(table.total.qsos, 6);
  EXPECT_EQ(table.total.kvant, 3);
  EXPECT_EQ(table.tours[1].sinceStart.qsos, 3);
  EXPECT_EQ(table.tours[1].score, 3 * 2);
  EXPECT_EQ(table.tours[2].score, 6 * 3);

  // The grid: UA1 on 160 m in CW from 17:00, on 80 m in CW from 15:00 and in
  // the other modes from 16:00.
  const long day = stats::DaysSinceOleEpoch(logs::QsoDate{2024, 2, 18}) * 24;
  const KvantGrid grid = matrix.Grid({"160", "80"});
  ASSERT_EQ(grid.rows.size(), 1u);
  EXPECT_EQ(grid.rows[0].call, "UA1");
  EXPECT_EQ(grid.rows[0].firstTours, (std::vector<long>{day + 17, kNotWorked, day + 15, day + 16}));
}

TEST(TourMatrix, EmptyHoursAreRowsUnlessTheLogSpansMoreThanTwoDays) {
  TourMatrix shortLog;
  shortLog.Add(Qso("UA1", 28, 22, "80", "CW"));
  shortLog.Add(Qso("UA1", 29, 1, "80", "CW"));  // 2024 is a leap year
  const TourTable shortTable = shortLog.Table({});
  ASSERT_EQ(shortTable.tours.size(), 4u);
  EXPECT_EQ(shortTable.tours[1].hour, 23);
  EXPECT_EQ(shortTable.tours[1].bands[0].qsos, 0);
  EXPECT_EQ(shortTable.tours[2].date.day, 29);
  EXPECT_EQ(shortTable.tours[2].hour, 0);

  TourMatrix longLog;
  longLog.Add(Qso("UA1", 1, 10, "80", "CW"));
  longLog.Add(Qso("UA1", 3, 11, "80", "CW"));
  const TourTable longTable = longLog.Table({});
  ASSERT_EQ(longTable.tours.size(), 2u);
  EXPECT_EQ(longTable.tours[1].date.day, 3);
  EXPECT_TRUE(TourMatrix().Table({"80"}).tours.empty());
}

TEST(ReportLanguage, LocaleVariablesInPosixOrder) {
  const struct {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    ReportLanguage expected;
  } cases[] = {
      {nullptr, nullptr, nullptr, ReportLanguage::kEnglish},
      {nullptr, nullptr, "ru_RU.UTF-8", ReportLanguage::kRussian},
      {"", "ru_UA", "en_GB.UTF-8", ReportLanguage::kRussian},
      {"C", "ru_RU", "ru_RU", ReportLanguage::kEnglish},
      {nullptr, nullptr, "de_DE", ReportLanguage::kEnglish},
  };
  for (const auto& c : cases) {
    const auto variable = [&](const char* name) {
      const std::string n = name;
      return n == "LC_ALL" ? c.lcAll : n == "LC_MESSAGES" ? c.lcMessages : c.lang;
    };
    EXPECT_EQ(logs::LanguageOfEnvironment(variable), c.expected) << (c.lang ? c.lang : "-");
  }
  EXPECT_EQ(logs::ParseReportLanguage("ru"), ReportLanguage::kRussian);
  EXPECT_EQ(logs::ParseReportLanguage("RU"), std::nullopt);
}

// The x coordinates of the texts that contain `part`.
std::vector<int> TextPositions(const std::string& svg, const std::string& part) {
  std::vector<int> positions;
  for (std::size_t at = svg.find("<text x=\""); at != std::string::npos;
       at = svg.find("<text x=\"", at + 1)) {
    const std::size_t end = svg.find("</text>", at);
    if (svg.substr(at, end - at).find(part) != std::string::npos) {
      positions.push_back(std::stoi(svg.substr(at + 9)));
    }
  }
  return positions;
}

TEST(SvgChart, ColumnLabelsThinOutSoThatTheyNeverTouchAndTotalsStandUpright) {
  pages::StackedColumns chart;
  chart.id = "c";
  chart.series = {{"80", pages::BandFill("80"), {}}};
  for (int hour = 0; hour < 48; ++hour) {
    chart.columns.push_back((hour % 24 < 10 ? "0" : "") + std::to_string(hour % 24) + ":00");
    chart.series[0].values.push_back(1000 + hour);
  }
  const std::string svg = pages::StackedColumnSvg(chart);
  const std::vector<int> labels = TextPositions(svg, ":00");
  ASSERT_GE(labels.size(), 8u);
  for (std::size_t i = 1; i < labels.size(); ++i) EXPECT_GE(labels[i] - labels[i - 1], 40);
  // A total wider than its column turns upright rather than vanish.
  EXPECT_EQ(TextPositions(svg, "1,047").size(), 1u);
  EXPECT_NE(svg.find("transform=\"rotate(-90"), std::string::npos);
}

TEST(HtmlReport, PlugInTextsAreEscapedAndNothingIsFetched) {
  HtmlReportInput input;
  input.summaryText =
      "\t   Kesdra Velk Test 18.02.2024\r\n\t\tContestant: <R3KV>\r\n"
      "\tQSOs\tPoints\tCW\tSSB\tKvant\r\n\xC4\xC2\t 1\t 1\t 1\t 0\t 0\r\n"
      "Total\t 1\t 1\t 1\t 0\t 0\r\n\r\nScore: = 0";
  input.refused = {
      {.record = 7, .call = "X", .problemLine = "QSO:  7012  FM  \xCF\xF0\xE8\xE2\xE5\xF2 & co"}};
  const std::string page = HtmlReport(input, ReportLanguage::kEnglish);
  EXPECT_NE(page.find("&lt;R3KV&gt;"), std::string::npos);
  EXPECT_NE(page.find("<th scope=\"row\">ДВ</th>"), std::string::npos);
  EXPECT_NE(page.find("Привет &amp; co"), std::string::npos);
  EXPECT_NE(page.find("not written in this run"), std::string::npos);
  for (const char* external : {"src=", "href=\"http", "<script", "@import", "url(http"}) {
    EXPECT_EQ(page.find(external), std::string::npos) << external;
  }
}

TEST(HtmlReport, ALogWithNoCountedQsoSaysSoAndDrawsNoEmptyAxes) {
  HtmlReportInput input;
  input.summaryText =
      "\t   Kesdra Velk Test 18.02.2024\r\n\t\tContestant: R3KV\r\n"
      "\tQSOs\tPoints\tCW\tSSB\tKvant\r\nTotal\t 0\t 0\t 0\t 0\t 0\r\n\r\nScore: = 0";
  input.refused = {{.record = 1, .call = "UA1A", .problemLine = "QSO: UA1A   No contest mode !!!"}};
  const std::string page = HtmlReport(input, ReportLanguage::kRussian);
  EXPECT_NE(page.find("id=\"nothing-counted\""), std::string::npos);
  EXPECT_EQ(page.find("<svg"), std::string::npos);
  EXPECT_NE(page.find("id=\"refused-table\""), std::string::npos);
}

TEST(HtmlReportFile, APageThatCanNotBeWrittenIsNamedInTheReportAndTheStatus) {
  const stats::testing::ScopedWorkingDirectory folder;
  stats::testing::WriteFileBytes(
      "log.adi",
      "<CALL:5>UA3AA<QSO_DATE:8>20240218<TIME_ON:4>1500<BAND:3>80m<MODE:2>CW"
      "<STX_STRING:3>001<SRX_STRING:3>123<STATION_CALLSIGN:4>R3KV<EOR>\n");
  const std::filesystem::path page = folder.Path() / "no-such-folder" / "report.html";
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunStatsHost({"--plugin", stats::testing::BuiltPluginPath(), "--dir", "work",
                                   "--html", page.string(), "log.adi"},
                                  out, err);
  EXPECT_EQ(status, kExitIncomplete);
  EXPECT_NE(out.str().find("Score: = 0"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("HTML report: not written (" + page.string() + ": "), std::string::npos)
      << out.str();
  EXPECT_NE(err.str().find("stats-host: " + page.string() + " was not written: "),
            std::string::npos)
      << err.str();
}

}  // namespace
}  // namespace stats_host
