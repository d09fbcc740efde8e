// Our programs under a file-size limit (ulimit -f): a write past it fails as a
// write, which is told with its cause and the documented exit status, instead
// of the program ending without a word; no temporary file is left behind.
// POSIX only.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/faults/limited_process.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

namespace fs = std::filesystem;
using testing::ProcessOutcome;
using testing::RunLimited;

constexpr rlim_t kFileSizeLimit = 1200;  // a Cabrillo log of 20 QSOs, or a results page, is more

std::vector<std::string> TemporaryFilesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.path().extension() == ".tmp") names.push_back(entry.path().string());
  }
  return names;
}

TEST(FileSizeLimit, StatsHostTellsTheCabrilloLogItCouldNotWrite) {
  const testing::ScopedWorkingDirectory directory;
  std::string log;
  for (int i = 0; i < 20; ++i) {
    log += "<CALL:4>R" + std::to_string(100 + i) +
           "<QSO_DATE:8>20240218<TIME_ON:4>1500<BAND:3>40m<MODE:2>CW"
           "<STX_STRING:3>001<SRX_STRING:3>002<STATION_CALLSIGN:4>R3KV<EOR>\n";
  }
  testing::WriteFileBytes("log.adi", log);
  const ProcessOutcome run = RunLimited(STATS_HOST_PATH,
                                        {"--plugin", STATS_PLUGIN_PATH, "--dir", "work",
                                         "--cabrillo", "--confirm-details", "log.adi"},
                                        RLIMIT_FSIZE, kFileSizeLimit);
  EXPECT_EQ(run.status, 3) << run.err;
  EXPECT_NE(run.out.find("Total    20      20"), std::string::npos) << run.out;
  EXPECT_NE(run.err.find("stats-host: R3KV.cbr was not written: "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("(the file-size limit)"), std::string::npos) << run.err;
  EXPECT_EQ(TemporaryFilesIn("work"), std::vector<std::string>{});
}

TEST(FileSizeLimit, CrosscheckWritesNoneOfItsOutputsAndSaysWhy) {
  const testing::ScopedWorkingDirectory directory;
  testing::WriteFileBytes("ra3a.cbr",
                          "START-OF-LOG: 3.0\nCALLSIGN: RA3A\n"
                          "QSO: 3550 CW 2024-02-18 1000 RA3A 599 001 RA3B 599 002\n");
  const ProcessOutcome run =
      RunLimited(CROSSCHECK_PATH, {"--out", "out", "ra3a.cbr"}, RLIMIT_FSIZE, kFileSizeLimit);
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_NE(run.err.find("could not be written whole: the file would be larger than this program "
                         "may write (the file-size limit)"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.out.find("Nothing written into out"), std::string::npos) << run.out;
  EXPECT_TRUE(fs::is_empty("out"));
}

}  // namespace
}  // namespace stats
