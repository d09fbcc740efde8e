// The report beside the plug-in's table: the summary laid out, the refused QSOs
// with their err.txt lines, the repeats, the files not written.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "stats-host/report/summary_table.h"
#include "stats-host/report/text_report.h"

namespace stats_host {
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

RunResult Written() {
  RunResult result;
  result.summaryText = "Score: = 5";
  result.problemLog = WrittenFile{"err.txt", true, ""};
  result.settingsFile = WrittenFile{"Plugins/ZORVA.ini", true, ""};
  return result;
}

TEST(Report, RefusedQsosWithTheirProblemLines) {
  RunResult result = Written();
  result.refused = {RefusedQso{.record = 2, .call = "B2", .problemLine = "QSO: line of B2"},
                    RefusedQso{.record = 5, .call = "D4", .problemLine = "QSO: D4"}};
  EXPECT_EQ(FormatReport(result, nullptr),
            "Score: = 5\n\n"
            "Refused by the plug-in: 2 QSOs (err.txt)\n"
            "  record    2  QSO: line of B2\n"
            "  record    5  QSO: D4\n");
  result.refused.clear();
  EXPECT_EQ(FormatReport(result, nullptr),
            "Score: = 5\n\nRefused by the plug-in: none (err.txt)\n");
}

TEST(Report, RepeatsNameBothQsos) {
  RunResult result = Written();
  const std::vector<TourRepeat> repeats = {
      TourRepeat{57, logs::QsoDate{2024, 2, 18}, 15 * 3600 + 34 * 60 + 50, "R3AF", "80", "CW", 56,
                 logs::QsoDate{2024, 2, 18}, 15 * 3600 + 34 * 60 + 19}};
  EXPECT_NE(
      FormatReport(result, &repeats)
          .find("\nRepeats within one tour (the tour check would have warned): 1\n"
                "  record   57  2024-02-18 15:34:50  R3AF  80  CW  as record 56 at 15:34:19\n"),
      std::string::npos);
}

TEST(Report, FilesNotWrittenAndSkippedRecordsAreNamed) {
  RunResult result = Written();
  result.cabrilloAsked = true;
  result.cabrilloLog = WrittenFile{"R3KV.cbr", false, "it is a folder"};
  result.settingsFile.written = false;
  result.settingsFile.failure = "Permission denied";
  result.records = 7;
  result.skipped = 2;
  result.skippedRecords = {SkippedRecord{3, 120, {"no CALL"}},
                           SkippedRecord{6, 400, {"CALL \"A \": trimmed", "no QSO_DATE"}}};
  EXPECT_EQ(FormatReport(result, nullptr),
            "Not in this result: 2 of 7 records did not reach the plug-in (see the end)\n\n"
            "Score: = 5\n\nRefused by the plug-in: none (err.txt)\n"
            "\nCabrillo log: not written (R3KV.cbr: it is a folder)\n"
            "\nSettings file: not written (Plugins/ZORVA.ini: Permission denied)\n"
            "\nSkipped: 2 of 7 records did not reach the plug-in:\n"
            "  record    3  byte 120  no CALL\n"
            "  record    6  byte 400  CALL \"A \": trimmed; no QSO_DATE\n");
}

}  // namespace
}  // namespace stats_host
