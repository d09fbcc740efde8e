// No run writes over a file of the user's or of the plug-in's: an output that
// is the log, a file the plug-in reads or writes, the companion or the plug-in
// itself is refused before anything is written, however its path is spelled;
// the run's temporary files never take a file's place.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
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
      {"ALogThatIsThePluginsProblemLog", "", "work/err.txt", "work/err.txt"},
      {"ALogThatIsTheOperatorsCabrilloLines", "", "work/cabrillo.ini", "work/cabrillo.ini"},
      {"ALogThatIsTheCompanion", "", "work/Plugins/Zarnik.exe", "work/Plugins/Zarnik.exe"}};
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

// stats-host's temporary files are its own, made new under names no one else
// holds: a log, or a link to it, under the name a temporary file once had is no
// output of the run and stays as it is. The plug-in's temporary names are
// fixed, so a log under one of them is refused.
struct Planted {
  const char* name;
  const char* path;  // the log's second name, in the scratch folder
  enum { kCopy, kHardLink, kSymbolicLink } how;
  int status;
};

void PrintTo(const Planted& c, std::ostream* os) { *os << c.name; }

class TemporaryName : public testing::TestWithParam<Planted> {};

TEST_P(TemporaryName, NeverTakesTheLogsPlace) {
  const Planted& c = GetParam();
  const ScratchFolder scratch;
  fs::create_directories(scratch.Path("work/Plugins"));
  const std::string log = stats_host_test::Qso("UA3AA", "CW", "123");
  scratch.Write("log.adi", log);
  if (c.how == Planted::kCopy) scratch.Write(c.path, log);
  if (c.how == Planted::kHardLink)
    fs::create_hard_link(scratch.Path("log.adi"), scratch.Path(c.path));
  if (c.how == Planted::kSymbolicLink)
    fs::create_symlink(scratch.Path("log.adi"), scratch.Path(c.path));
  const std::string scored = c.how == Planted::kCopy ? c.path : "log.adi";

  fs::current_path(scratch.Path());
  const Outcome run = stats_host_test::StatsHost(
      {"--dir", "work", "--plugin", stats::testing::BuiltPluginPath(), "--cabrillo",
       "--confirm-details", "--html", "work/report.html", scored});

  EXPECT_EQ(run.status, c.status) << run.err;
  EXPECT_EQ(scratch.Read("log.adi"), log);
  EXPECT_EQ(scratch.Read(c.path), log);
  EXPECT_EQ(fs::is_symlink(scratch.Path(c.path)), c.how == Planted::kSymbolicLink);
}

std::vector<Planted> Plantings() {
  std::vector<Planted> planted;
  const std::pair<const char*, int> paths[] = {{"work/R3KV.cbr.tmp", kExitScored},
                                               {"work/report.html.tmp", kExitScored},
                                               {"work/Plugins/ZORVA.ini.tmp", kExitScored}};
  for (const auto& [path, status] : paths) {
    planted.push_back({"Copy", path, Planted::kCopy, status});
    planted.push_back({"HardLink", path, Planted::kHardLink, status});
#if !defined(_WIN32)
    planted.push_back({"SymbolicLink", path, Planted::kSymbolicLink, status});
#endif
  }
  return planted;
}

INSTANTIATE_TEST_SUITE_P(AllCases, TemporaryName, testing::ValuesIn(Plantings()),
                         [](const testing::TestParamInfo<Planted>& info) {
                           std::string name = fs::path(info.param.path).stem().stem().string();
                           name[0] = static_cast<char>(std::toupper(name[0]));
                           return std::string(info.param.name) + "Named" + name + "Tmp";
                         });

}  // namespace
}  // namespace stats_host
