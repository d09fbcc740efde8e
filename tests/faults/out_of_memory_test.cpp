// stats-host with less memory than the log needs (a data-size limit, which
// holds for root too): one clear message, exit status 1, no uncaught
// exception, and no file left holding a part of the log. POSIX only; not in
// the sanitizer builds, whose runtime needs more than the limit.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/faults/limited_process.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

using testing::ProcessOutcome;
using testing::ReadFileBytes;
using testing::RunLimited;

constexpr rlim_t kDataLimit = 16 << 20;  // the plug-in stores about 30 000 QSOs in it

TEST(OutOfMemory, StatsHostStopsWithOneMessageAndNoPartialFile) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer's runtime does not fit under the limit";
#endif
  const testing::ScopedWorkingDirectory directory;
  {
    std::ofstream log("log.adi", std::ios::binary);
    for (int i = 0; i < 100'000; ++i) {
      const std::string call = "R" + std::to_string(i);
      log << "<CALL:" << call.size() << ">" << call
          << "<QSO_DATE:8>20240218<TIME_ON:4>1500<BAND:3>40m<MODE:2>CW"
             "<STX_STRING:3>001<SRX_STRING:3>002<STATION_CALLSIGN:4>R3KV<EOR>\n";
    }
  }
  const ProcessOutcome run = RunLimited(STATS_HOST_PATH,
                                        {"--plugin", STATS_PLUGIN_PATH, "--dir", "work",
                                         "--cabrillo", "--confirm-details", "--repeats", "log.adi"},
                                        RLIMIT_DATA, kDataLimit);
  EXPECT_EQ(run.status, 1);
  const std::string& errors = run.err;
  // Whichever allocation fails first: stats-host's own, or the plug-in's, which
  // then neither stores the QSO nor writes its line in err.txt.
  EXPECT_TRUE(errors.rfind("stats-host: out of memory after ", 0) == 0 ||
              errors.rfind("stats-host: the plug-in did not store record ", 0) == 0)
      << errors;
  EXPECT_NE(errors.find("nothing was scored"), std::string::npos) << errors;
  EXPECT_EQ(errors.find('\n'), errors.size() - 1) << "one line: " << errors;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(ReadFileBytes("work/err.txt"), "Pesdra VELK TEST UBN file \r\n");
  EXPECT_FALSE(std::filesystem::exists("work/R3KV.cbr"));
  EXPECT_EQ(ReadFileBytes("work/Plugins/ZORVA.ini").find("Claimed="), std::string::npos);
}

}  // namespace
}  // namespace stats
