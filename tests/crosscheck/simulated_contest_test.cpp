// The main test of the cross-check: simulated contests that fail as real ones
// do (contest-sim), whose every QSO line's true verdict, every line's true
// clock offset and every log's true score are known, checked by the program as
// the organisers run it. (The accuracy table at 100, 1 000 and 8 000 logs, on
// seeds kept apart from these, is scripts/crosscheck-accuracy's.)

#include <gtest/gtest.h>

#include <sstream>

#include "crosscheck/run.h"
#include "files/call_file_name.h"
#include "tests/support/temp_dir.h"
#include "tools/contest-sim/accuracy.h"
#include "tools/contest-sim/log_writers.h"

namespace {

namespace fs = std::filesystem;
using stats::testing::ReadFileBytes;
using stats::testing::TempDir;

int Check(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int status = crosscheck::RunCrosscheck(arguments, out, err);
  EXPECT_EQ(err.str(), "");
  return status;
}

fs::path WriteContest(const fs::path& folder, std::uint64_t seed, double errorRate,
                      std::uint32_t stations) {
  contest_sim::Settings settings;
  settings.stations = stations;
  settings.seed = seed;
  settings.bustedCall = settings.nil = settings.wrongNumber = settings.dupe = errorRate;
  contest_sim::WriteContest(contest_sim::Simulate(settings), folder);
  return folder;
}

struct Run {
  std::uint64_t seed;
  double errorRate;
};

void PrintTo(const Run& run, std::ostream* out) {
  *out << "seed " << run.seed << ", error rate " << run.errorRate;
}

class SimulatedContest : public testing::TestWithParam<Run> {};

TEST_P(SimulatedContest, VerdictsClocksAndScoresMatchTheTruth) {
  const TempDir dir;
  const fs::path contest =
      WriteContest(dir.Path() / "contest", GetParam().seed, GetParam().errorRate, 120);
  ASSERT_EQ(Check({"--out", (dir.Path() / "checked").string(), (contest / "logs").string()}), 0);

  const contest_sim::Accuracy accuracy =
      contest_sim::CompareWithTruth(contest / "truth.jsonl", dir.Path() / "checked");
  const std::string table = contest_sim::AccuracyTable(accuracy);
  EXPECT_EQ(accuracy.missing, 0u);
  EXPECT_EQ(accuracy.verdicts.size(), 8u) << "every verdict occurs";
  EXPECT_GE(accuracy.Share(accuracy.right, accuracy.lines), 0.998) << table;
  for (const auto& [verdict, counts] : accuracy.verdicts) {
    EXPECT_GE(counts.Precision(), 0.98) << verdict << "\n" << table;
    EXPECT_GE(counts.Recall(), 0.98) << verdict << "\n" << table;
  }
  EXPECT_GE(accuracy.Share(accuracy.rightCallNamed, accuracy.bustedCalls), 0.98) << table;
  // A small contest: one log in a hundred may miss, a score at a knife-edge
  // of the hour or a clock that jumped just before the log's last QSOs.
  EXPECT_GE(accuracy.Share(accuracy.scoresRight, accuracy.logs), 0.98) << table;
  EXPECT_GE(accuracy.Share(accuracy.clocksWithin30s, accuracy.logs), 0.98) << table;
}

INSTANTIATE_TEST_SUITE_P(Runs, SimulatedContest,
                         testing::Values(Run{1, 0.01}, Run{2, 0.01}, Run{3, 0.03}),
                         [](const testing::TestParamInfo<Run>& info) {
                           return "Seed" + std::to_string(info.param.seed) + "Errors" +
                                  std::to_string(static_cast<int>(info.param.errorRate * 100)) +
                                  "Percent";
                         });

TEST(SimulatedContest, SameLogsInAnyOrderGiveTheSameBytes) {
  const TempDir dir;
  const fs::path logs = WriteContest(dir.Path() / "contest", 7, 0.02, 40) / "logs";
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(logs)) files.push_back(entry.path().string());
  std::sort(files.rbegin(), files.rend());
  files.insert(files.begin() + static_cast<std::ptrdiff_t>(files.size() / 2), logs.string());
  files.insert(files.begin(), {"--out", (dir.Path() / "listed").string()});
  ASSERT_EQ(Check(files), 0);
  ASSERT_EQ(Check({"--out", (dir.Path() / "folder").string(), logs.string()}), 0);

  for (const fs::path output : {"verdicts.jsonl", "logs.jsonl", "results.csv", "results.html"}) {
    const std::string bytes = ReadFileBytes(dir.Path() / "folder" / output);
    EXPECT_FALSE(bytes.empty()) << output;
    EXPECT_EQ(bytes, ReadFileBytes(dir.Path() / "listed" / output)) << output;
  }
  for (const auto& report : fs::directory_iterator(dir.Path() / "folder" / "ubn")) {
    EXPECT_EQ(ReadFileBytes(report.path()),
              ReadFileBytes(dir.Path() / "listed" / "ubn" / report.path().filename()));
  }
}

TEST(SimulatedContest, EveryCheckedScoreAddsUpFromItsRowAndReport) {
  const TempDir dir;
  const fs::path logs = WriteContest(dir.Path() / "contest", 11, 0.03, 40) / "logs";
  const fs::path out = dir.Path() / "out";
  ASSERT_EQ(Check({"--lang", "en", "--penalty", "nil=1,busted-call=2", "--out", out.string(),
                   logs.string()}),
            0);
  std::istringstream csv(ReadFileBytes(out / "results.csv"));
  std::string line;
  std::getline(csv, line);
  EXPECT_EQ(line.substr(0, line.find(",clock")),
            "category,place,call,claimed,checked,reduction_percent,qso_lines,points,penalty,kvant");
  std::int64_t penalties = 0;
  while (std::getline(csv, line)) {
    std::vector<std::string> fields;
    std::istringstream row(line);
    for (std::string field; std::getline(row, field, ',');) fields.push_back(field);
    ASSERT_GE(fields.size(), 10u) << line;
    const std::int64_t checked = std::stoll(fields[4]), lines = std::stoll(fields[6]),
                       points = std::stoll(fields[7]), penalty = std::stoll(fields[8]),
                       kvant = std::stoll(fields[9]);
    EXPECT_EQ(checked, std::max<std::int64_t>(0, points - penalty) * kvant) << line;
    EXPECT_LE(points, lines) << line;
    penalties += penalty;
    const std::string report =
        ReadFileBytes(out / "ubn" / (files::FileNameOfCall(fields[2]) + ".txt"));
    EXPECT_NE(report.find("Score: (points " + fields[7] + " \u2212 penalty " + fields[8] +
                          ") \u00d7 Kvant " + fields[9] + " = " + fields[4] + "\r\n"),
              std::string::npos)
        << fields[2] << ": " << report;
  }
  EXPECT_GT(penalties, 0);
  EXPECT_NE(ReadFileBytes(out / "results.html")
                .find("Penalty points per QSO: Not in the other log (NIL): 1, Busted call: 2."),
            std::string::npos);
}

}  // namespace
