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

TEST(ReplaceFileContents, AFileUnderTheOldTemporaryNameIsSomeoneElses) {
  const TempDir folder;
  WriteFileBytes(folder.Path("log.cbr.tmp"), "the operator's own file");
  ASSERT_TRUE(ReplaceFileContents(folder.Path("log.cbr"), "log"));
  EXPECT_EQ(ReadFileBytes(folder.Path("log.cbr.tmp")), "the operator's own file");
  EXPECT_EQ(ReadFileBytes(folder.Path("log.cbr")), "log");
  EXPECT_EQ(Listing(folder), (std::vector<std::string>{"log.cbr", "log.cbr.tmp"}));
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
TEST(ReplaceFileContents, ALinkUnderTheOldTemporaryNameIsNotFollowed) {
  const TempDir folder;
  WriteFileBytes(folder.Path("victim"), "someone else's file");
  std::filesystem::create_symlink(folder.Path("victim"), folder.Path("log.cbr.tmp"));
  ASSERT_TRUE(ReplaceFileContents(folder.Path("log.cbr"), "log"));
  EXPECT_EQ(ReadFileBytes(folder.Path("victim")), "someone else's file");
  EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("log.cbr.tmp")));
  EXPECT_EQ(ReadFileBytes(folder.Path("log.cbr")), "log");
}

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
