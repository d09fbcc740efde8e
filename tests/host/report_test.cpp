// The report beside the plug-in's table: the summary laid out, the refused QSOs
// with their err.txt lines, the repeats, the Cabrillo file's name.

#include "host/report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/summary_table.h"

namespace host {
namespace {

TEST(SummaryTable, LaysOutThePluginsTabSeparatedText) {
  const std::string summary =
      "\t   Kesdra Velk Test 18.02.2024\r\n"
      "\t\tContestant: R3KV\r\n"
      "\tQSOs\tPoints\tCW\tSSB\tKvant\r\n"
      "160\t 120\t 120\t 62\t 43\t 8\r\n"
      "80\t 5\t 5\t 3\t 1\t 0\r\n"
      "Total\t 1365\t 125\t 65\t 44\t 8\r\n"
      "\r\n"
      "Score: = 1000";
  EXPECT_EQ(FormatSummaryTable(summary),
            "Kesdra Velk Test 18.02.2024\n"
            "Contestant: R3KV\n"
            "Band   QSOs  Points  CW  SSB  Kvant\n"
            "160     120     120  62   43      8\n"
            "80        5       5   3    1      0\n"
            "Total  1365     125  65   44      8\n"
            "\n"
            "Score: = 1000\n");
}

TEST(SummaryTable, KeepsBytesOfOtherLinesAndATrailingLineEnd) {
  EXPECT_EQ(FormatSummaryTable("\t\tContestant: \xD0\xAF\r\n"), "Contestant: \xD0\xAF\n");
  EXPECT_EQ(FormatSummaryTable(""), "\n");
}

TEST(ProblemLog, LinesAfterTheBanner) {
  EXPECT_EQ(ProblemLines("Pesdra VELK TEST UBN file \r\nQSO:  1  FM\r\nQSO:  2  CW\r\n"),
            (std::vector<std::string>{"QSO:  1  FM", "QSO:  2  CW"}));
  EXPECT_EQ(ProblemLines("Pesdra VELK TEST UBN file \r\n"), std::vector<std::string>{});
  EXPECT_EQ(ProblemLines(""), std::vector<std::string>{});
  EXPECT_EQ(ProblemLines("banner\nlast line without end"),
            std::vector<std::string>{"last line without end"});
}

HostQso Qso(std::size_t record, const std::string& call) {
  HostQso qso;
  qso.record = record;
  qso.call = call;
  qso.band = "80";
  qso.mode = "CW";
  qso.date = QsoDate{2024, 2, 18};
  qso.secondOfDay = 15 * 3600 + 34 * 60 + 50;
  return qso;
}

TEST(RefusedReport, PairsRefusedQsosWithProblemLinesInOrder) {
  const std::vector<HostQso> qsos = {Qso(1, "A1"), Qso(2, "B2"), Qso(4, "C3"), Qso(5, "D4")};
  EXPECT_EQ(FormatRefused(qsos, {true, false, true, false}, {"QSO: line of B2"}),
            "Refused by the plug-in: 2 QSOs (err.txt)\n"
            "  record    2  QSO: line of B2\n"
            "  record    5  D4 (no line in err.txt)\n");
  EXPECT_EQ(FormatRefused(qsos, {true, true, true, true}, {}),
            "Refused by the plug-in: none (err.txt)\n");
}

TEST(RepeatReport, NamesBothQsos) {
  HostQso earlier = Qso(56, "R3AF");
  earlier.secondOfDay = 15 * 3600 + 34 * 60 + 19;
  EXPECT_EQ(FormatRepeats({earlier, Qso(57, "R3AF")}, {TourRepeat{1, 0}}),
            "Repeats within one tour (the tour check would have warned): 1\n"
            "  record   57  2024-02-18 15:34:50  R3AF  80  CW  as record 56 at 15:34:19\n");
}

TEST(CabrilloName, FollowsTheOwnCall) {
  EXPECT_EQ(CabrilloFileName("R3KV"), "R3KV.cbr");
  EXPECT_EQ(CabrilloFileName(" R3KV/P\\1 "), "R3KV_P_1.cbr");
  EXPECT_EQ(CabrilloFileName("  "), "ZORVA.cbr");
}

}  // namespace
}  // namespace host
