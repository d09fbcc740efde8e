// Outputs replaced as one set: whichever single operation of the file system
// fails, the outputs afterwards are all the new ones or all the earlier ones,
// and nothing of the run's making is left beside them.

#include "files/output_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

#include "files/file_problem.h"
#include "tests/support/fake_file_system.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using files_test::FakeFileSystem;
using files_test::Operation;
using stats::testing::ReadFileBytes;
using stats::testing::TempDir;
using stats::testing::WriteFileBytes;

// Every file under the folder with its bytes, by its path below the folder.
using Tree = std::map<std::string, std::string>;

Tree TreeOf(const fs::path& folder) {
  Tree tree;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().lexically_relative(folder).generic_string();
    tree[name] = entry.is_directory() ? "<folder>" : ReadFileBytes(entry.path());
  }
  return tree;
}

const Tree kEarlier = {{"a.txt", "A0"},
                       {"b.txt", "B0"},
                       {"ubn", "<folder>"},
                       {"ubn/X.txt", "X0"},
                       {"ubn/Y.txt", "Y0"}};
const Tree kNew = {{"a.txt", "A1"},
                   {"b.txt", "B1"},
                   {"ubn", "<folder>"},
                   {"ubn/X.txt", "X1"},
                   {"ubn/Z.txt", "Z1"}};

void Plant(const fs::path& folder, const Tree& tree) {
  for (const auto& [name, bytes] : tree) {
    if (bytes == "<folder>") {
      fs::create_directories(folder / name);
    } else {
      WriteFileBytes(folder / name, bytes);
    }
  }
}

struct Outcome {
  std::optional<files::SetFailure> failure;
  std::vector<fs::path> leftovers;
};

Outcome WriteNewSet(files::FileSystem& files, const fs::path& out) {
  files::OutputSet set(files);
  set.File(out / "a.txt").Write("A1");
  set.File(out / "b.txt").Write("B1");
  files::OutputSet::Folder& ubn = set.NewFolder(out / "ubn");
  ubn.Write("X.txt", "X1");
  ubn.Write("Z.txt", "Z1");
  Outcome outcome{set.Commit(), {}};
  outcome.leftovers = set.Leftovers();
  return outcome;
}

TEST(OutputSet, AnyOneFaultLeavesAllNewOrAllEarlier) {
  for (const bool earlier : {true, false}) {
    int operations = 0;
    {
      const TempDir out;
      if (earlier) Plant(out.Path(), kEarlier);
      FakeFileSystem counting;
      ASSERT_FALSE(WriteNewSet(counting, out.Path()).failure);
      EXPECT_EQ(TreeOf(out.Path()), kNew);
      operations = counting.Count();
    }
    for (int nth = 0; nth < operations; ++nth) {
      SCOPED_TRACE("earlier outputs: " + std::to_string(earlier) + ", failing operation " +
                   std::to_string(nth));
      const TempDir out;
      if (earlier) Plant(out.Path(), kEarlier);
      FakeFileSystem faulty({std::nullopt, "", std::make_error_code(std::errc::io_error), nth});
      const Outcome outcome = WriteNewSet(faulty, out.Path());
      Tree tree = TreeOf(out.Path());
      for (const fs::path& leftover : outcome.leftovers) {
        // An earlier output that could not be removed after the set was in.
        for (auto it = tree.begin(); it != tree.end();) {
          it = it->first.starts_with(leftover.filename().string()) ? tree.erase(it) : ++it;
        }
      }
      if (outcome.failure) {
        EXPECT_TRUE(outcome.failure->notUndone.empty());
        EXPECT_EQ(tree, earlier ? kEarlier : Tree());
      } else {
        EXPECT_EQ(tree, kNew);
      }
    }
  }
}

// A second fault while the first is undone: the earlier outputs that could not
// be put back are named with the place they are kept in.
TEST(OutputSet, WhatCanNotBeUndoneIsNamedWithWhereTheEarlierOneIsKept) {
  const TempDir out;
  Plant(out.Path(), kEarlier);
  // The moves: a aside, a in, b aside, b in, ubn aside...; from there on none works.
  FakeFileSystem faulty({Operation::kMove, "", std::make_error_code(std::errc::io_error), 4, true});
  const Outcome outcome = WriteNewSet(faulty, out.Path());
  ASSERT_TRUE(outcome.failure);
  EXPECT_EQ(outcome.failure->target, out.Path() / "ubn");
  ASSERT_EQ(outcome.failure->notUndone.size(), 2u);
  EXPECT_EQ(outcome.failure->notUndone[0].first, out.Path() / "b.txt");
  EXPECT_EQ(ReadFileBytes(outcome.failure->notUndone[0].second), "B0");
  EXPECT_EQ(ReadFileBytes(outcome.failure->notUndone[1].second), "A0");
  EXPECT_EQ(ReadFileBytes(out.Path() / "ubn" / "Y.txt"), "Y0");
}

TEST(OutputSet, AFolderNeverMakesWayForAFileNorAFileForAFolder) {
  for (const char* obstacle : {"a.txt", "ubn"}) {
    const TempDir out;
    Tree earlier = {{"b.txt", "B0"}};
    earlier[obstacle] = std::string(obstacle) == "ubn" ? "a file" : "<folder>";
    Plant(out.Path(), earlier);
    FakeFileSystem system;
    const Outcome outcome = WriteNewSet(system, out.Path());
    ASSERT_TRUE(outcome.failure) << obstacle;
    EXPECT_EQ(outcome.failure->target, out.Path() / obstacle);
    EXPECT_EQ(files::ProblemOf(outcome.failure->failure.error),
              std::string(obstacle) == "ubn" ? files::FileProblem::kNotAFolder
                                             : files::FileProblem::kIsAFolder);
    EXPECT_EQ(TreeOf(out.Path()), earlier);
  }
}

}  // namespace
