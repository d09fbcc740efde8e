// Replacing a file through a temporary file of its own, in both builds: the
// target gets every byte or keeps what it held, and nothing else in the folder
// is touched.

#include "stats/platform/replace_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "stats/platform/platform.h"
#include "tests/support/temp_dir.h"

#ifndef _WIN32
#include "tests/faults/file_size_limit.h"
#endif

namespace {

using stats::ReplaceFileContents;
using stats::testing::ReadFileBytes;
using stats::testing::TempDir;
using stats::testing::WriteFileBytes;

std::vector<std::string> Listing(const TempDir& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ReplaceFileContents, ReplacesOrCreatesTheFileAndLeavesNothingElse) {
  const TempDir folder;
  WriteFileBytes(folder.Path("log.cbr"), "the previous log, longer than the new one");
  const std::string bytes("new\r\n\0\xFF", 7);
  ASSERT_TRUE(ReplaceFileContents(folder.Path("log.cbr"), bytes));
  ASSERT_TRUE(ReplaceFileContents(folder.Path("fresh.cbr"), ""));
  EXPECT_EQ(ReadFileBytes(folder.Path("log.cbr")), bytes);
  EXPECT_EQ(ReadFileBytes(folder.Path("fresh.cbr")), "");
  EXPECT_EQ(Listing(folder), (std::vector<std::string>{"fresh.cbr", "log.cbr"}));

  // The platform takes paths with "\" between folders.
  ASSERT_TRUE(stats::MakeSystemPlatform()->ReplaceWholeFile(folder.Path("log.cbr", '\\'), "again"));
  EXPECT_EQ(ReadFileBytes(folder.Path("log.cbr")), "again");
}

// Temporary names of the test's choosing, so that files can stand in their way.
stats::TemporaryNames NumberedNames(const TempDir& folder) {
  return [&folder](int attempt) { return folder.Path("log." + std::to_string(attempt) + ".tmp"); };
}

TEST(ReplaceFileContents, ATakenNameIsSkippedAndWhatHoldsItIsLeftAlone) {
  const TempDir folder;
  const stats::TemporaryNames names = NumberedNames(folder);
  WriteFileBytes(names(0), "someone else's file");
#ifndef _WIN32
  // Links, to a file and to nowhere, are neither followed nor removed.
  WriteFileBytes(folder.Path("linked"), "linked");
  std::filesystem::create_symlink(folder.Path("linked"), names(1));
  std::filesystem::create_symlink(folder.Path("nowhere"), names(2));
#endif
  const std::vector<std::string> before = Listing(folder);
  ASSERT_TRUE(ReplaceFileContents(folder.Path("log.cbr"), "log", names));
  EXPECT_EQ(ReadFileBytes(folder.Path("log.cbr")), "log");
  EXPECT_EQ(ReadFileBytes(names(0)), "someone else's file");
#ifndef _WIN32
  EXPECT_EQ(ReadFileBytes(folder.Path("linked")), "linked");
  EXPECT_FALSE(std::filesystem::exists(folder.Path("nowhere")));
#endif
  std::vector<std::string> after = before;
  after.push_back("log.cbr");
  std::sort(after.begin(), after.end());
  EXPECT_EQ(Listing(folder), after);

  // With every name taken nothing is written.
  for (int attempt = 0; attempt < stats::kTemporaryNameAttempts; ++attempt) {
    if (!std::filesystem::is_symlink(names(attempt)) && !std::filesystem::exists(names(attempt))) {
      WriteFileBytes(names(attempt), "taken");
    }
  }
  EXPECT_FALSE(ReplaceFileContents(folder.Path("log.cbr"), "new", names));
  EXPECT_EQ(ReadFileBytes(folder.Path("log.cbr")), "log");
  EXPECT_EQ(ReadFileBytes(names(0)), "someone else's file");
}

TEST(ReplaceFileContents, WhenTheMoveFailsTheTargetStaysAndOnlyItsOwnFileGoes) {
  const TempDir folder;
  std::filesystem::create_directory(folder.Path("log.cbr"));
  WriteFileBytes(folder.Path("log.cbr/keep"), "keep");
  EXPECT_FALSE(ReplaceFileContents(folder.Path("log.cbr"), "log"));
  EXPECT_EQ(ReadFileBytes(folder.Path("log.cbr/keep")), "keep");
  EXPECT_EQ(Listing(folder), std::vector<std::string>{"log.cbr"});

  EXPECT_FALSE(ReplaceFileContents(folder.Path("missing/log.cbr"), "log"));
  EXPECT_EQ(Listing(folder), std::vector<std::string>{"log.cbr"});
}

#ifndef _WIN32
TEST(ReplaceFileContents, AWriteThatFailsPartWayKeepsTheTargetAndLeavesNothingBehind) {
  const TempDir folder;
  WriteFileBytes(folder.Path("log.cbr"), "the previous log");
  {
    const stats::testing::FileSizeLimit limit(8);
    EXPECT_FALSE(ReplaceFileContents(folder.Path("log.cbr"), "the new log, cut short"));
  }
  EXPECT_EQ(ReadFileBytes(folder.Path("log.cbr")), "the previous log");
  EXPECT_EQ(Listing(folder), std::vector<std::string>{"log.cbr"});
}
#endif

}  // namespace
