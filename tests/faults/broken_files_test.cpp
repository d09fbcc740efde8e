// The plug-in in a working folder whose files are broken: every entry point
// still gives the host exactly what it gives in a sound folder (results,
// summary, score), nothing the plug-in kept is lost, and it neither crashes
// nor removes what stands in its way.

#include "tests/faults/broken_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "tests/faults/evaluation.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

namespace fs = std::filesystem;
using testing::Fault;
using testing::ReadFileBytes;
using testing::RunEvaluation;
using testing::Transcript;

Transcript EvaluationInASoundFolder(int reportMode) {
  const testing::ScopedWorkingDirectory directory;
  fs::create_directory("Plugins");
  return RunEvaluation(reportMode);
}

class BrokenFilesTest : public ::testing::TestWithParam<std::tuple<Fault, int>> {};

TEST_P(BrokenFilesTest, HostGetsTheSameAnswersAndTheObstacleStays) {
  const auto& [fault, reportMode] = GetParam();
  const Transcript sound = EvaluationInASoundFolder(reportMode);
  ASSERT_EQ(sound.summaries.size(), 3u);

  const testing::ScopedWorkingDirectory directory;
  fs::create_directory("Plugins");
  fault.apply();
  EXPECT_EQ(RunEvaluation(reportMode), sound);
  fault.checkLeftAlone();
}

INSTANTIATE_TEST_SUITE_P(Faults, BrokenFilesTest,
                         ::testing::Combine(::testing::ValuesIn(testing::broken_files::AllFaults()),
                                            ::testing::Values(0, 1)),
                         [](const ::testing::TestParamInfo<BrokenFilesTest::ParamType>& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) == 0 ? "" : "WithReport");
                         });

TEST(BrokenFiles, ProblemLogAndSettingsWorkAgainOnceTheFolderIsRepaired) {
  const testing::ScopedWorkingDirectory directory;
  testing::broken_files::FolderInPlaceOf("err.txt");
  testing::WriteFileBytes("Plugins", "not a folder");
  const testing::PluginLibrary library(testing::BuiltPluginPath());
  const testing::EntryPoints plugin(library);
  const StatsDateTime date = testing::HostDate(testing::OleDate(2013, 2, 5));
  EXPECT_EQ(plugin.Reset(0, "UA1AAA", &date), 1);
  EXPECT_EQ(plugin.Add(testing::Qso("DX1", "40", "FM")), 0);
  int score = -7;
  plugin.getResult(&score);
  EXPECT_EQ(score, 0);

  fs::remove_all("err.txt");
  fs::remove("Plugins");
  fs::create_directory("Plugins");
  EXPECT_EQ(plugin.Reset(0, "UA1AAA", &date), 1);
  EXPECT_EQ(plugin.Add(testing::Qso("DX1", "40", "FM")), 0);
  EXPECT_EQ(plugin.Add(testing::Qso("DX2", "40", "CW", "W002")), 1);
  plugin.getResult(&score);
  EXPECT_EQ(score, 1);
  const std::string log = ReadFileBytes("err.txt");
  EXPECT_EQ(log.rfind("Pesdra VELK TEST UBN file \r\nQSO:  7012  FM  ", 0), 0u) << log;
  EXPECT_EQ(ReadFileBytes("Plugins/ZORVA.ini"), "[Settings]\r\nClaimed=1\r\n");
}

}  // namespace
}  // namespace stats
