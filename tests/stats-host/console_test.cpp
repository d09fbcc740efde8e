// stats-host as a person sees it in a console window: lines converted to
// UTF-8 and wrapped at the writer that stands for WriteConsoleW, the Russian
// report with a Windows-1251 call, a log dropped onto the program, and the
// program started without one.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "console/console_stream.h"
#include "stats-host/command_line.h"
#include "stats-host/stats_host.h"
#include "tests/stats-host/stats_host_runs.h"

namespace stats_host {
namespace {

namespace fs = std::filesystem;
using stats_host_test::Holds;
using stats_host_test::ScratchFolder;

TEST(Console, LinesAreConvertedAndWrappedAtTheWriter) {
  std::vector<std::string> shown;
  {
    console::ConsoleStream console([&](std::string_view utf8) {
      shown.emplace_back(utf8);
      return true;
    });
    console.Stream() << "Позывной \xD3\xC0\x33\xC6\xC6\x1B[2J\n"  // UTF-8 word, Windows-1251 call
                     << "  " << std::string(60, 'a') << "  b c  " << std::string(20, 'd') << "\n"
                     << std::string(100, 'e') << "\nno line end";
  }
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "Позывной УА3ЖЖ [2J\n",
                       "  " + std::string(60, 'a') + "  b c\n",  // at the two blanks, not at "c"
                       "      " + std::string(20, 'd') + "\n",
                       std::string(79, 'e') + "\n",
                       "    " + std::string(21, 'e') + "\n",
                       "no line end",
                   }));
  // A path is not broken at its blanks where it fits in a line.
  const std::string path = "C:\\Documents and Settings\\Иван Петров\\Мои журналы\\лог 2024.adi";
  EXPECT_EQ(console::WrapLine("stats-host: can not read the log " + path + ": Access denied", 79),
            (std::vector<std::string>{"stats-host: can not read the log",
                                      "    " + path + ": Access", "    denied"}));
  EXPECT_EQ(console::WrapLine("the log /tmp/a b.adi is fine", 12),
            (std::vector<std::string>{"the log", "    /tmp/a", "    b.adi is", "    fine"}))
      << "a path longer than a line breaks as text does";
  console::ConsoleStream broken([](std::string_view) { return false; });
  EXPECT_FALSE(broken.Stream() << "lost\n" << std::flush);
}

constexpr char kLog[] =
    "<CALL:5>\xD3\xC0\x33\xC6\xC6<QSO_DATE:8>20240218<TIME_ON:4>1500<BAND:3>80m<MODE:2>FM"
    "<STX_STRING:3>001<SRX_STRING:3>123<STATION_CALLSIGN:4>R3KV<EOR>\n";

// A window of stats-host's own on a console that a person reads in Russian.
struct Window {
  std::string shown;
  console::ConsoleStream console{[this](std::string_view utf8) {
    shown += utf8;
    return true;
  }};
  std::ostringstream err;
  std::vector<fs::path> opened;
  int waits = 0;

  int Run(const std::vector<std::string>& arguments, bool ofItsOwn) {
    const int status =
        RunStatsHost(arguments, Surroundings{.out = console.Stream(),
                                             .err = err,
                                             .outOnConsole = true,
                                             .errOnConsole = true,
                                             .userLanguage = logs::ReportLanguage::kRussian,
                                             .windowOfItsOwn = ofItsOwn,
                                             .openInBrowser =
                                                 [this](const fs::path& page) {
                                                   opened.push_back(page);
                                                   return true;
                                                 },
                                             .waitForEnter = [this] { ++waits; }});
    console.Stream().flush();
    return status;
  }
  bool Shows(const std::string& text) const { return shown.find(text) != std::string::npos; }
};

TEST(Console, TheReportSpeaksRussianAndShowsCyrillicCalls) {
  const ScratchFolder scratch;
  Window window;
  const std::string log = scratch.Write("log.adi", kLog);
  EXPECT_EQ(
      window.Run({"--dir", scratch.Path("work"), "--html", scratch.Path("r.html"), log}, false),
      kExitScored)
      << window.err.str();
  EXPECT_TRUE(window.Shows("Незасчитанные QSO: 1 (err.txt)\n")) << window.shown;
  EXPECT_TRUE(window.Shows("  R3KV    001  УА3ЖЖ    123")) << window.shown;
  EXPECT_TRUE(window.Shows("Результат: 0\n")) << window.shown;
  EXPECT_TRUE(window.Shows("HTML-отчёт записан в файл\n  " +
                           fs::absolute(scratch.Path("r.html")).make_preferred().string() + "\n"))
      << window.shown;
  EXPECT_EQ(window.waits, 0);
}

TEST(Console, SkippedRecordsAndCountedWarningsSpeakRussianToo) {
  const ScratchFolder scratch;
  Window window;
  std::string log;
  for (int i = 0; i < 12; ++i) log += std::string(kLog) + "<!-- page -->\n";
  log += "<CALL:5>UA3ZZ<QSO_DATE:8>20240218<BAND:3>80m<MODE:2>CW<EOR>\n";
  EXPECT_EQ(window.Run({"--dir", scratch.Path("work"), scratch.Write("log.adi", log)}, false),
            kExitIncomplete);
  EXPECT_TRUE(window.Shows("В этот результат не вошли записи, не дошедшие до модуля: 1 из 13"))
      << window.shown;
  EXPECT_TRUE(window.Shows("Пропущено записей: 1 из 13, они не дошли до модуля:\n  запись   13"))
      << window.shown;
  EXPECT_TRUE(Holds(window.err.str(), "log.adi: запись 2, байт ")) << window.err.str();
  EXPECT_TRUE(Holds(window.err.str(), ": … и ещё таких же: 2 (text between")) << window.err.str();
}

std::string Utf8Of(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

TEST(Console, ALogDroppedOntoTheProgramIsScoredBesideItAndItsPageOpened) {
  const ScratchFolder scratch;
  const fs::path log = scratch.Path() / PathOfArgument("журнал.adi");
  stats::testing::WriteFileBytes(log, kLog);
  for (const std::string folder : {"журнал", "журнал (2)"}) {
    Window window;
    EXPECT_EQ(window.Run({Utf8Of(log)}, true), kExitScored) << window.err.str();
    const fs::path page = scratch.Path() / PathOfArgument(folder) / PathOfArgument("журнал.html");
    EXPECT_TRUE(fs::is_regular_file(page)) << folder;
    EXPECT_TRUE(fs::is_regular_file(page.parent_path() / "err.txt"));
    EXPECT_EQ(window.opened, std::vector<fs::path>{page});
    EXPECT_TRUE(window.Shows("\n  " + Utf8Of(page) + "\n")) << window.shown;
    EXPECT_TRUE(window.Shows("Нажмите Enter, чтобы закрыть окно.")) << window.shown;
    EXPECT_EQ(window.waits, 1);
  }
}

TEST(Console, StartedWithoutALogItExplainsItselfAndWaits) {
  Window window;
  EXPECT_EQ(window.Run({}, true), kExitBadInput);
  EXPECT_TRUE(window.Shows("перетащите файл журнала на stats-host.exe")) << window.shown;
  EXPECT_EQ(window.waits, 1);
}

// Two logs dropped at once, or a shortcut whose log is gone: the message stays
// until it has been read. A run that succeeds in such a window waits for no one.
TEST(Console, AFailureInAWindowOfItsOwnWaits) {
  const ScratchFolder scratch;
  const std::string log = scratch.Write("log.adi", kLog);
  Window twoLogs;
  EXPECT_EQ(twoLogs.Run({log, log}, true), kExitBadInput);
  EXPECT_EQ(twoLogs.waits, 1);
  EXPECT_TRUE(twoLogs.Shows("Нажмите Enter, чтобы закрыть окно.")) << twoLogs.shown;
  Window scored;
  EXPECT_EQ(scored.Run({"--dir", scratch.Path("work"), log}, true), kExitScored);
  EXPECT_EQ(scored.waits, 0);
}

}  // namespace
}  // namespace stats_host
