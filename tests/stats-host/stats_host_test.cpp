// stats-host's answers to bad input: one clear message, exit status 2, and
// nothing written, because the log is read and the plug-in loaded first.

#include "stats-host/stats_host.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/stats-host/stats_host_runs.h"

namespace stats_host {
namespace {

namespace fs = std::filesystem;
using stats_host_test::Outcome;
using stats_host_test::ScratchFolder;
using stats_host_test::StatsHost;

constexpr char kGoodLog[] =
    "<CALL:5>UA3AA<QSO_DATE:8>20240218<TIME_ON:4>1500<BAND:3>80m<MODE:2>CW"
    "<STX_STRING:3>001<SRX_STRING:3>123<EOR>\n";

TEST(StatsHostBadInput, FileThatIsNoAdifStopsAndWritesNothing) {
  const ScratchFolder scratch;
  const std::string log = scratch.Write("log.csv", "Call,Date,Time\nUA3AA,20240218,1500\n");
  const Outcome run = StatsHost({"--dir", scratch.Path("work"), "--plugin",
                                 scratch.Path("never-loaded.dll"), "--cabrillo", log});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(log + ": header, byte 0: it is not an ADIF log"), std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(scratch.Path("work")));
}

TEST(StatsHostBadInput, MissingPluginIsNamedWithTheReason) {
  const ScratchFolder scratch;
  const std::string plugin = scratch.Path("missing-plugin.so");
  const Outcome run = StatsHost(
      {"--dir", scratch.Path("work"), "--plugin", plugin, scratch.Write("log.adi", kGoodLog)});
  EXPECT_EQ(run.status, kExitBadInput);
  // Named as the system names it: on Windows with backslashes.
  EXPECT_NE(run.err.find("can not load the plug-in " +
                         fs::absolute(plugin).make_preferred().string() + ": "),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(scratch.Path("work")));
}

TEST(StatsHostBadInput, FileThatIsNoLibraryIsRefused) {
  const ScratchFolder scratch;
  const std::string plugin = scratch.Write("not-a-library.dll", "MZ but nothing more");
  const Outcome run = StatsHost(
      {"--dir", scratch.Path("work"), "--plugin", plugin, scratch.Write("log.adi", kGoodLog)});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_NE(run.err.find("can not load the plug-in"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("not-a-library.dll: "), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(scratch.Path("work")));
}

TEST(StatsHostBadInput, MissingLogAndBadCommandLine) {
  const ScratchFolder scratch;
  const Outcome missing = StatsHost({scratch.Path("absent.adi")});
  EXPECT_EQ(missing.status, kExitBadInput);
  EXPECT_NE(missing.err.find("absent.adi"), std::string::npos) << missing.err;

  const Outcome usage = StatsHost({"--no-such-option", "log.adi"});
  EXPECT_EQ(usage.status, kExitBadInput);
  EXPECT_NE(usage.err.find("unknown option --no-such-option"), std::string::npos);
  EXPECT_NE(usage.err.find("stats-host --help"), std::string::npos);
}

TEST(StatsHostBadInput, SkippedRecordsAndAMissingEorAreWarnedAbout) {
  // Without a plug-in the run stops after the warnings, which are all given first.
  const ScratchFolder scratch;
  const std::string log = scratch.Write(
      "log.adi", std::string(kGoodLog) + "<QSO_DATE:8>20240218<TIME_ON:4>1501<EOR>\n" +
                     "<CALL:5>UA3AC<QSO_DATE:8>20240218<TIME_ON:4>1502<BAND:3>80m\n");
  const Outcome run = StatsHost({"--plugin", scratch.Path("missing.so"), log});
  EXPECT_NE(run.err.find("warning: " + log + ": record 2, byte " +
                         std::to_string(sizeof kGoodLog - 1) + ": no CALL; the record is skipped"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("record 3, byte "), std::string::npos);
  EXPECT_NE(run.err.find("the file ends without <EOR>; the record is taken"), std::string::npos);
}

TEST(StatsHostHelp, ExplainsTheProgram) {
  const Outcome run = StatsHost({"--help"});
  EXPECT_EQ(run.status, kExitScored);
  EXPECT_EQ(run.out.rfind("Usage: stats-host [OPTIONS] LOG.adi", 0), 0u);
  EXPECT_NE(run.out.find("is the band's lower edge"), std::string::npos);
  EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace stats_host
