// No run writes over a file of the user's or of the plug-in's: an output that
// is the log, a file the plug-in reads or writes, the companion or the plug-in
// itself is refused before anything is written, however its path is spelled.

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "stats-host/run/scoring_run.h"
#include "tests/stats-host/stats_host_runs.h"
#include "tests/support/plugin_library.h"

namespace stats_host {
namespace {

namespace fs = std::filesystem;
using stats_host_test::Holds;
using stats_host_test::Outcome;
using stats_host_test::ScratchFolder;

struct Clash {
  const char* name;
  const char* html;  // --html, "" for none
  const char* log;
  const char* kept;  // the file that must stay as it was
};

void PrintTo(const Clash& c, std::ostream* os) { *os << c.name; }

class OutputClash : public testing::TestWithParam<Clash> {};

TEST_P(OutputClash, IsRefusedBeforeAnythingIsWritten) {
  const Clash& c = GetParam();
  const ScratchFolder scratch;
  fs::create_directories(scratch.Path("work/Plugins"));
  for (const char* file : {"work/cabrillo.ini", "work/R3KV.cbr", "work/Plugins/ZORVA.ini",
                           "work/Plugins/Zarnik.exe"}) {
    scratch.Write(file, std::string("kept ") + file);
  }
  scratch.Write(c.log, stats_host_test::Qso("UA3AA", "CW", "123"));
  fs::copy_file(stats::testing::BuiltPluginPath(), scratch.Path("plugin.bin"));
  fs::create_hard_link(scratch.Path(c.log), scratch.Path("hard-link.adi"));
#if !defined(_WIN32)
  fs::create_symlink("log.adi", scratch.Path("link.html"));
#endif
  const std::string before = scratch.Read(c.kept);

  std::vector<std::string> arguments = {"--dir",      "work",       "--plugin",
                                        "plugin.bin", "--cabrillo", "--confirm-details"};
  if (*c.html != '\0') arguments.insert(arguments.end(), {"--html", c.html});
  arguments.push_back(c.log);
  fs::current_path(scratch.Path());
  const Outcome run = stats_host_test::StatsHost(arguments);

  EXPECT_EQ(run.status, kExitBadInput) << run.err;
  EXPECT_TRUE(Holds(run.err, "nothing was written")) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(scratch.Read(c.kept), before);
  EXPECT_EQ(fs::exists(scratch.Path("work/err.txt")), std::string(c.log) == "work/err.txt");
}

std::vector<Clash> Clashes() {
  std::vector<Clash> clashes = {
      {"TheLog", "log.adi", "log.adi", "log.adi"},
      {"TheLogSpelledAnotherWay", "./work/../log.adi", "log.adi", "log.adi"},
      {"TheLogThroughAHardLink", "hard-link.adi", "log.adi", "log.adi"},
      {"TheProblemLogNotYetWritten", "work/err.txt", "log.adi", "log.adi"},
      {"TheSettingsFile", "work/Plugins/ZORVA.ini", "log.adi", "work/Plugins/ZORVA.ini"},
      {"TheOperatorsCabrilloLines", "work/cabrillo.ini", "log.adi", "work/cabrillo.ini"},
      {"TheCabrilloLog", "work/R3KV.cbr", "log.adi", "work/R3KV.cbr"},
      {"TheCompanion", "work/Plugins/Zarnik.exe", "log.adi", "work/Plugins/Zarnik.exe"},
      {"ThePlugin", "plugin.bin", "log.adi", "plugin.bin"},
      {"ALogThatIsThePluginsProblemLog", "", "work/err.txt", "work/err.txt"}};
#if defined(_WIN32)
  clashes.push_back({"TheLogInCapitals", "LOG.ADI", "log.adi", "log.adi"});
#else
  clashes.push_back({"TheLogThroughASymbolicLink", "link.html", "log.adi", "log.adi"});
#endif
  return clashes;
}

INSTANTIATE_TEST_SUITE_P(AllCases, OutputClash, testing::ValuesIn(Clashes()),
                         [](const testing::TestParamInfo<Clash>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace stats_host
