// Whole runs through the real plug-in: the report shows only what this run
// wrote, the exit status tells whether every record and every file made it,
// and a log with nothing to score leaves every file alone.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "stats-host/stats_host.h"
#include "tests/faults/no_operator.h"
#include "tests/stats-host/stats_host_runs.h"
#include "tests/support/plugin_library.h"

#if defined(_WIN32)
#include <windows.h>

#include "files/utf8_path.h"
#include "tests/support/literal_path.h"
#endif

namespace stats_host {
namespace {

namespace fs = std::filesystem;
using stats_host_test::Holds;
using stats_host_test::Outcome;
using stats_host_test::Qso;
using stats_host_test::ScratchFolder;
using stats_host_test::StatsHost;

// A run with the plug-in of this build in the working folder `work`, started
// in the scratch folder with the log's name relative to it.
Outcome Score(const ScratchFolder& scratch, const std::string& log,
              std::vector<std::string> options = {}) {
  scratch.Write("log.adi", log);
  fs::current_path(scratch.Path());
  options.insert(options.end(),
                 {"--dir", "work", "--plugin", stats::testing::BuiltPluginPath(), "log.adi"});
  return StatsHost(options);
}

TEST(StatsHostOutputs, FilesThatCanNotBeWrittenAreNamedWithTheReason) {
  const ScratchFolder scratch;
  fs::create_directories(scratch.Path("work/err.txt"));
  fs::create_directories(scratch.Path("work/R3KV.cbr"));
  const Outcome run = Score(scratch, Qso("UA3AA", "CW", "123") + Qso("UA3BB", "FM", "124"),
                            {"--cabrillo", "--confirm-details"});
  EXPECT_EQ(run.status, kExitIncomplete);
  EXPECT_TRUE(Holds(run.out, "Refused by the plug-in: 1 QSO (err.txt not written (err.txt: "))
      << run.out;
  EXPECT_TRUE(Holds(run.out, "  record    2  UA3BB\n")) << run.out;
  EXPECT_TRUE(Holds(run.out, "Cabrillo log: not written (R3KV.cbr: it is a folder)")) << run.out;
  EXPECT_TRUE(Holds(run.err, "stats-host: err.txt was not written: ")) << run.err;
  EXPECT_TRUE(Holds(run.err, "stats-host: R3KV.cbr was not written: it is a folder")) << run.err;
}

#if !defined(_WIN32)
using stats_host_test::Unwritable;

TEST(StatsHostOutputs, FilesOfAnEarlierRunAreNotShownAsThisRunsOwn) {
  const ScratchFolder scratch;
  const Outcome first =
      Score(scratch, Qso("UA3AA", "FM", "123"), {"--cabrillo", "--confirm-details"});
  ASSERT_EQ(first.status, kExitScored) << first.err;
  const Unwritable oldProblemLog(scratch.Path("work/err.txt"));
  const Unwritable oldCabrillo(scratch.Path("work/R3KV.cbr"));
  if (!oldProblemLog.Made() || !oldCabrillo.Made()) GTEST_SKIP() << "no way to protect a file here";

  const Outcome second =
      Score(scratch, Qso("UA3BB", "FM", "124"), {"--cabrillo", "--confirm-details"});
  EXPECT_EQ(second.status, kExitIncomplete);
  EXPECT_FALSE(Holds(second.out, "UA3AA")) << second.out;
  EXPECT_TRUE(Holds(second.out, "  record    1  UA3BB\n")) << second.out;
  EXPECT_TRUE(Holds(second.out, "Cabrillo log: not written (R3KV.cbr: ")) << second.out;
}

TEST(StatsHostOutputs, AFolderThatTakesNoFileGetsNone) {
  const ScratchFolder scratch;
  fs::create_directories(scratch.Path("work/Plugins"));
  const Unwritable folder(scratch.Path("work"));
  if (!folder.Made()) GTEST_SKIP() << "no way to protect a folder here";
  const Outcome run =
      Score(scratch, Qso("UA3AA", "FM", "123"), {"--cabrillo", "--confirm-details"});
  EXPECT_EQ(run.status, kExitIncomplete);
  EXPECT_TRUE(Holds(run.out, "(err.txt not written (err.txt: permission denied)")) << run.out;
  EXPECT_TRUE(Holds(run.out, "Cabrillo log: not written (R3KV.cbr: permission denied)")) << run.out;

  // In Russian, in our own words, not the system's English ones.
  fs::current_path(scratch.Path());
  std::ostringstream out, err;
  EXPECT_EQ(RunStatsHost(
                {"--dir", "work", "--plugin", stats::testing::BuiltPluginPath(), "--lang", "ru",
                 "log.adi"},
                Surroundings{.out = out, .err = err, .outOnConsole = true, .errOnConsole = true}),
            kExitIncomplete);
  EXPECT_TRUE(Holds(err.str(), "stats-host: err.txt не записан: нет прав доступа")) << err.str();
  EXPECT_FALSE(Holds(err.str(), "ermission")) << err.str();
  EXPECT_FALSE(Holds(err.str(), "permitted")) << err.str();
}
#endif

struct Empty {
  const char* name;
  const char* log;
  const char* message;
};

void PrintTo(const Empty& c, std::ostream* os) { *os << c.name; }

class StatsHostNothingToScore : public ::testing::TestWithParam<Empty> {};

TEST_P(StatsHostNothingToScore, StopsBeforeThePluginIsCalledAndLeavesEveryFile) {
  const ScratchFolder scratch;
  fs::create_directories(scratch.Path("work/Plugins"));
  const std::vector<std::string> files = {"work/err.txt", "work/R3KV.cbr",
                                          "work/Plugins/ZORVA.ini"};
  for (const std::string& file : files) scratch.Write(file, "kept " + file);
  const Outcome run = Score(scratch, GetParam().log, {"--cabrillo", "--confirm-details"});
  EXPECT_EQ(run.status, kExitNothingToScore);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(Holds(run.err, GetParam().message)) << run.err;
  EXPECT_TRUE(Holds(run.err, "the plug-in was not called and no file was written")) << run.err;
  for (const std::string& file : files) EXPECT_EQ(scratch.Read(file), "kept " + file);
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch.Path("work")), {}), 3);
}

INSTANTIATE_TEST_SUITE_P(
    AllCases, StatsHostNothingToScore,
    ::testing::Values(Empty{"EmptyFile", "", "the log holds no QSO record"},
                      Empty{"HeaderOnly", "Exported\n<ADIF_VER:5>3.1.4<EOH>\n",
                            "the log holds no QSO record"},
                      Empty{"EveryRecordSkipped",
                            "<CALL:5>UA3AA<EOR><QSO_DATE:8>20240218<TIME_ON:4>1500<BAND:3>80m<EOR>",
                            "none of its 2 records is a QSO that can be scored"}),
    [](const ::testing::TestParamInfo<Empty>& info) { return std::string(info.param.name); });

TEST(StatsHostExitStatus, RefusalsByTheContestRulesAreANormalResult) {
  const ScratchFolder scratch;
  const Outcome run = Score(scratch, Qso("UA3AA", "CW", "123") + Qso("UA3BB", "FM", "124"));
  EXPECT_EQ(run.status, kExitScored) << run.err;
  EXPECT_TRUE(Holds(run.out, "Refused by the plug-in: 1 QSO (err.txt)\n  record    2  QSO:  3500"))
      << run.out;
}

TEST(StatsHostExitStatus, SkippedRecordsScoreTheRestAndSaySo) {
  const ScratchFolder scratch;
  const Outcome run = Score(scratch, Qso("UA3AA", "CW", "123") + Qso("UA3\rBB", "CW", "124"));
  EXPECT_EQ(run.status, kExitIncomplete);
  EXPECT_TRUE(Holds(run.out, "Score: = ")) << run.out;
  EXPECT_TRUE(Holds(run.out, "Skipped: 1 of 2 records did not reach the plug-in")) << run.out;
  EXPECT_TRUE(Holds(run.err, "record 2, byte ")) << run.err;
  EXPECT_TRUE(Holds(run.err, "CALL holds the control byte 0x0D; the record is skipped")) << run.err;
}

TEST(StatsHostExitStatus, AReportThatCanNotBeWrittenIsAnError) {
  const ScratchFolder scratch;
  std::ostream broken(nullptr);
  std::ostringstream err;
  const int status =
      RunStatsHost({"--dir", scratch.Path("work"), "--plugin", stats::testing::BuiltPluginPath(),
                    scratch.Write("log.adi", Qso("UA3AA", "CW", "123"))},
                   broken, err);
  EXPECT_EQ(status, kExitIncomplete);
  EXPECT_TRUE(Holds(err.str(), "the report could not be written to standard output")) << err.str();
}

struct NotCounted {
  const char* language;
  std::vector<const char*> page;    // parts of the HTML page
  std::vector<const char*> report;  // parts of the report on the terminal
};

void PrintTo(const NotCounted& c, std::ostream* os) { *os << c.language; }

class StatsHostNotCounted : public ::testing::TestWithParam<NotCounted> {};

// Records that never reached the plug-in are listed and counted, and a QSO
// refused for a missing number names the number the log lacks.
TEST_P(StatsHostNotCounted, EveryRecordThatDidNotCountIsShown) {
  const ScratchFolder scratch;
  const std::string log = Qso("UA3AA", "CW", "123") + "<CALL:5>UA3AB<EOR>\n" +
                          Qso("UA3AC", "CW", "124") +
                          Qso("UA3\x01"
                              "D",
                              "CW", "125") +
                          "<CALL:5>UA3AE<QSO_DATE:8>20240218<TIME_ON:4>1500<BAND:3>80m<MODE:2>CW"
                          "<SRX_STRING:3>126<STATION_CALLSIGN:4>R3KV<EOR>\n";
  const Outcome run = Score(scratch, log, {"--html", "page.html", "--lang", GetParam().language});
  EXPECT_EQ(run.status, kExitIncomplete) << run.err;
  const std::string page = scratch.Read("page.html");
  for (const char* part : GetParam().page) EXPECT_TRUE(Holds(page, part)) << part;
  for (const char* part : GetParam().report) EXPECT_TRUE(Holds(run.out, part)) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    AllCases, StatsHostNotCounted,
    ::testing::Values(NotCounted{"en",
                                 {"Records not scored", "id=\"skipped-count\">2 of 5<",
                                  "no QSO_DATE", "CALL holds the control byte 0x01",
                                  "No sent number"},
                                 {"Skipped: 2 of 5 records did not reach the plug-in",
                                  "  record    2  byte 133  no QSO_DATE\n"}},
                      NotCounted{"ru",
                                 {"Записи, не переданные модулю", "id=\"skipped-count\">2 из 5<",
                                  "Нет переданного номера"},
                                 {}}),
    [](const ::testing::TestParamInfo<NotCounted>& info) {
      return std::string(info.param.language);
    });

// A QSO of the contest on 80 m, logged by `ownCall`.
std::string QsoOf(const std::string& ownCall, const std::string& call) {
  return "<CALL:" + std::to_string(call.size()) + ">" + call +
         "<QSO_DATE:8>20240218<TIME_ON:4>1500<BAND:3>80m<MODE:2>CW<STX_STRING:3>001"
         "<SRX_STRING:4>W123<STATION_CALLSIGN:" +
         std::to_string(ownCall.size()) + ">" + ownCall + "<EOR>\n";
}

struct OwnCall {
  const char* name;
  std::string log;
  std::string warning;   // part of standard error
  std::string cabrillo;  // the Cabrillo log's name, as the report gives it
};

void PrintTo(const OwnCall& c, std::ostream* os) { *os << c.name; }

class StatsHostOwnCall : public ::testing::TestWithParam<OwnCall> {};

// The plug-in names its Cabrillo log after the call and writes it on every
// QSO line; stats-host warns where that is not what the log holds, and finds
// the file by the name the plug-in gave it, whatever letters the call has.
TEST_P(StatsHostOwnCall, IsWarnedAboutAndTheCabrilloLogFound) {
  const ScratchFolder scratch;
  const Outcome run = Score(scratch, GetParam().log, {"--cabrillo", "--confirm-details"});
  EXPECT_EQ(run.status, kExitScored) << run.out << run.err;
  EXPECT_TRUE(Holds(run.err, GetParam().warning)) << run.err;
  EXPECT_TRUE(Holds(run.out, "Cabrillo log: " + GetParam().cabrillo + "\n")) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    AllCases, StatsHostOwnCall,
    ::testing::Values(
        OwnCall{"ChangesWithinTheLog", QsoOf("R3KV", "UA3AA") + QsoOf("R3KV/P", "UA3BB"),
                "log.adi: the own call changes within the log: R3KV in record 1, then R3KV/P "
                "(record 2, byte ",
                "R3KV.cbr"},
        OwnCall{"CyrillicLettersInWindows1251",
                QsoOf("R\xC0"
                      "3\xD5YZ",
                      "UA3AA"),
                "the own call R\xC0"
                "3\xD5YZ mixes Latin letters with others",
                "R\xC0"
                "3\xD5YZ.cbr"},
        OwnCall{"CyrillicLettersInUtf8",
                QsoOf("R\xD0\x90"
                      "3\xD0\xA5YZ",
                      "UA3AA"),
                "the own call R\xD0\x90"
                "3\xD0\xA5YZ mixes Latin letters with others",
                "R\xD0\x90"
                "3\xD0\xA5YZ.cbr"}),
    [](const ::testing::TestParamInfo<OwnCall>& info) { return std::string(info.param.name); });

#if !defined(_WIN32)
TEST(StatsHostStationDetails, WithoutATerminalOnlyConfirmDetailsConfirms) {
  const stats::testing::NoOperator noTerminal;  // standard input from /dev/null
  const ScratchFolder scratch;
  const std::string log = Qso("UA3AA", "CW", "123");
  ASSERT_EQ(Score(scratch, log, {"--cabrillo"}).status, kExitScored);
  EXPECT_EQ(scratch.Read("work/Plugins/ZORVA.ini"), "[Settings]\r\nClaimed=0\r\n")
      << "cancelled: only the claimed score";
  ASSERT_EQ(Score(scratch, log, {"--cabrillo", "--confirm-details"}).status, kExitScored);
  EXPECT_TRUE(Holds(scratch.Read("work/Plugins/ZORVA.ini"), "Operators=R3KV\r\n"));
}
#endif

#if defined(_WIN32)
// Every window this thread makes is refused, as where there is no desktop (a
// service, a scheduled task): the plug-in's dialog can not be shown.
LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
  return code == HCBT_CREATEWND ? 1 : ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(StatsHostStationDetails, ConfirmingADialogThatCanNotBeShownIsNoSuccess) {
  const ScratchFolder scratch;
  const HHOOK hook = ::SetWindowsHookExW(WH_CBT, RefuseWindows, nullptr, ::GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  const Outcome run =
      Score(scratch, Qso("UA3AA", "CW", "123"), {"--cabrillo", "--confirm-details"});
  ::UnhookWindowsHookEx(hook);
  EXPECT_EQ(run.status, kExitIncomplete);
  EXPECT_TRUE(Holds(run.err, "the station-details dialog could not be shown")) << run.err;
}

// "\\?\" paths, past 260 characters, are read and written whole.
TEST(StatsHostLongPaths, LogAndPageBehindLiteralPaths) {
  const ScratchFolder scratch;
  const fs::path deep = files_test::DeepFolderIn(files_test::LiteralPath(scratch.Path()));
  ASSERT_GT(deep.native().size(), 300u);
  // The page names the refused QSO's call; the Cabrillo log the counted one's.
  stats::testing::WriteFileBytes(deep / "log.adi",
                                 Qso("UA3AA", "CW", "123") + Qso("UA3BB", "FM", "124"));
  const fs::path work = files_test::LiteralPath(scratch.Path()) / "work";
  const Outcome run =
      StatsHost({"--dir", files::Utf8OfPath(work), "--plugin", stats::testing::BuiltPluginPath(),
                 "--cabrillo", "--confirm-details", "--html", files::Utf8OfPath(deep / "page.html"),
                 files::Utf8OfPath(deep / "log.adi")});
  EXPECT_EQ(run.status, kExitScored) << run.err;
  EXPECT_TRUE(Holds(stats::testing::ReadFileBytes(deep / "page.html"), "UA3BB"));
  EXPECT_TRUE(Holds(scratch.Read("work/R3KV.cbr"), "UA3AA"));
}
#endif

}  // namespace
}  // namespace stats_host
