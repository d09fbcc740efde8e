// A log that a logger changes while stats-host scores it: the second pass
// proves it read what the first pass checked, or the run stops with nothing
// scored and nothing published.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "files/file_system.h"
#include "stats-host/report/console_texts.h"
#include "stats-host/run/scoring_run.h"
#include "tests/stats-host/stats_host_runs.h"
#include "tests/support/plugin_library.h"

namespace stats_host {
namespace {

namespace fs = std::filesystem;
using stats_host_test::Holds;
using stats_host_test::Qso;
using stats_host_test::ScratchFolder;

// Changes the log when the plug-in has been handed its first QSO: the second
// pass has begun.
class ChangeOnFirstQso final : public QsoObserver {
 public:
  explicit ChangeOnFirstQso(std::function<void()> change) : change_(std::move(change)) {}
  void OnQso(const HandedQso&) override {
    if (change_) std::exchange(change_, nullptr)();
  }
  void OnAbandon() noexcept override { abandoned = true; }
  bool abandoned = false;

 private:
  std::function<void()> change_;
};

// Enough records that the second pass is still reading when the log changes.
std::string LongLog() {
  std::string log;
  for (int i = 0; i < 3000; ++i) log += Qso("UA3A" + std::to_string(i), "CW", "123");
  return log;
}

void Append(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::app) << bytes;
}

struct Change {
  const char* name;
  std::function<void(const fs::path& log)> make;
  const char* why;  // the message's reason
};

void PrintTo(const Change& change, std::ostream* os) { *os << change.name; }

class StatsHostLogChange : public ::testing::TestWithParam<Change> {};

TEST_P(StatsHostLogChange, StopsTheRunWithNothingScored) {
  const ScratchFolder scratch;
  const fs::path log = scratch.Write("log.adi", LongLog());
  RunRequest request;
  request.adifFile = log;
  request.plugin = stats::testing::BuiltPluginPath();
  request.workingFolder = scratch.Path("work");
  request.cabrillo = true;
  request.confirmDetails = true;  // on Windows the dialog would wait for an operator
  ChangeOnFirstQso observer([&] { GetParam().make(log); });
  std::ostringstream err;
  try {
    ScoreLog(*files::MakeSystemFileSystem(), request,
             ConsoleTextsOf(logs::ReportLanguage::kEnglish).run, err, {&observer});
    FAIL() << "the change was not seen";
  } catch (const RunError& stop) {
    EXPECT_EQ(stop.ExitStatus(), kExitFailed);
    EXPECT_TRUE(Holds(stop.what(), "the log changed while it was scored: ")) << stop.what();
    EXPECT_TRUE(Holds(stop.what(), GetParam().why)) << stop.what();
    EXPECT_TRUE(Holds(stop.what(), "err.txt holds only its banner")) << stop.what();
  }
  EXPECT_TRUE(observer.abandoned);
  EXPECT_FALSE(fs::exists(scratch.Path("work/R3KV.cbr")));
  EXPECT_FALSE(Holds(scratch.Read("work/err.txt"), "UA3A"));
}

std::vector<Change> Changes() {
  std::vector<Change> changes = {
      {"Appended", [](const fs::path& log) { Append(log, Qso("UA3ZZ", "CW", "999")); },
       "bytes when it was checked and holds"},
      {"Truncated", [](const fs::path& log) { fs::resize_file(log, 1000); },
       "bytes when it was checked and holds 1000 now"},
      {"RewrittenInPlace",
       [](const fs::path& log) {
         std::fstream file(log, std::ios::binary | std::ios::in | std::ios::out);
         file.seekp(static_cast<std::streamoff>(fs::file_size(log) - 20));
         file << "X";
       },
       "its bytes are not the ones that were checked"},
  };
#if !defined(_WIN32)  // Windows renames nothing over a file that is open
  changes.push_back({"ReplacedByAnotherFile",
                     [](const fs::path& log) {
                       const fs::path other = log.parent_path() / "new.adi";
                       std::ofstream(other, std::ios::binary) << LongLog();
                       fs::rename(other, log);
                     },
                     "another file has taken its name"});
#endif
  return changes;
}

INSTANTIATE_TEST_SUITE_P(AllCases, StatsHostLogChange, ::testing::ValuesIn(Changes()),
                         [](const ::testing::TestParamInfo<Change>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace stats_host
