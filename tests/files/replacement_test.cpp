// A file replaced whole: the new bytes or, after any fault, the earlier ones,
// and never a file of the temporary's making left behind or a file of someone
// else's touched.

#include "files/replacement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "files/file_problem.h"
#include "tests/support/fake_file_system.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using files::FileProblem;
using files::WriteFailure;
using files_test::FakeFileSystem;
using files_test::Operation;
using stats::testing::ReadFileBytes;
using stats::testing::TempDir;
using stats::testing::WriteFileBytes;

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

struct Fault {
  const char* name;
  Operation operation;
  int nth;
  std::errc error;
  WriteFailure::Step step;
  FileProblem problem;
};

void PrintTo(const Fault& fault, std::ostream* os) { *os << fault.name; }

class ReplacingAFile : public testing::TestWithParam<Fault> {};

TEST_P(ReplacingAFile, KeepsTheEarlierBytesAndLeavesNothingBehind) {
  const Fault& c = GetParam();
  for (const bool earlier : {true, false}) {
    const TempDir folder;
    const fs::path target = folder.Path() / "results.csv";
    if (earlier) WriteFileBytes(target, "earlier");
    FakeFileSystem fake({c.operation, "results.csv", std::make_error_code(c.error), c.nth, true});

    std::optional<WriteFailure> failure;
    {
      files::Replacement file(fake, target);
      for (int piece = 0; piece < 3; ++piece) file.Write(std::string(2 << 20, 'n'));
      failure = file.Commit();
    }

    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->step, c.step);
    EXPECT_EQ(files::ProblemOf(failure->error), c.problem);
    EXPECT_EQ(ReadFileBytes(target), earlier ? "earlier" : "");
    EXPECT_EQ(Names(folder.Path()),
              earlier ? std::vector<std::string>{"results.csv"} : std::vector<std::string>{});
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, ReplacingAFile,
    testing::Values(
        Fault{"NoFileCanBeMade", Operation::kCreateFile, 0, std::errc::permission_denied,
              WriteFailure::Step::kCreate, FileProblem::kDenied},
        Fault{"FullDeviceAtTheFirstWrite", Operation::kWrite, 0, std::errc::no_space_on_device,
              WriteFailure::Step::kWrite, FileProblem::kNoSpace},
        Fault{"FileSizeLimitAtALaterWrite", Operation::kWrite, 2, std::errc::file_too_large,
              WriteFailure::Step::kWrite, FileProblem::kTooLarge},
        Fault{"HeldBackWriteFailsAtClose", Operation::kClose, 0, std::errc::io_error,
              WriteFailure::Step::kWrite, FileProblem::kOther},
        Fault{"EarlierFileInUse", Operation::kMove, 0, std::errc::device_or_resource_busy,
              WriteFailure::Step::kReplace, FileProblem::kInUse}),
    [](const testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

TEST(ReplacingAFile, TakesAnotherNameWhileNamesAreTakenAndGivesUpInTheEnd) {
  const TempDir folder;
  const fs::path target = folder.Path() / "page.html";
  const std::error_code taken = std::make_error_code(std::errc::file_exists);
  FakeFileSystem fewTaken({Operation::kCreateFile, "", taken, 0});
  EXPECT_FALSE(files::ReplaceWholeFile(fewTaken, target, "new"));
  EXPECT_EQ(ReadFileBytes(target), "new");

  FakeFileSystem allTaken({Operation::kCreateFile, "", taken, 0, true});
  const auto failure = files::ReplaceWholeFile(allTaken, target, "newer");
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->step, WriteFailure::Step::kCreate);
  EXPECT_EQ(ReadFileBytes(target), "new");
  EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"page.html"});
}

// Whatever else is in the folder, under the name the temporary file once had
// or one like it, stays as it was, and so does what a link there points to.
TEST(ReplacingAFile, LeavesEveryOtherFileAndWhatLinksPointToAlone) {
  const TempDir folder;
  const fs::path log = folder.Path() / "log.adi";
  WriteFileBytes(log, "the log");
  WriteFileBytes(folder.Path() / "R3KV.cbr.tmp", "a file of the user's");
  fs::create_hard_link(log, folder.Path() / "R3KV.cbr.0123456789abcdef.tmp");
#if !defined(_WIN32)
  fs::create_symlink(log, folder.Path() / "report.html.tmp");
#endif
  const std::vector<std::string> before = Names(folder.Path());
  const auto system = files::MakeSystemFileSystem();
  for (const char* target : {"R3KV.cbr", "report.html"}) {
    EXPECT_FALSE(files::ReplaceWholeFile(*system, folder.Path() / target, target));
  }
  EXPECT_EQ(ReadFileBytes(log), "the log");
  EXPECT_EQ(ReadFileBytes(folder.Path() / "R3KV.cbr.tmp"), "a file of the user's");
  std::vector<std::string> after = Names(folder.Path());
  std::erase(after, "R3KV.cbr");
  std::erase(after, "report.html");
  EXPECT_EQ(after, before);
}

// The temporary file is made exclusively: a name that something holds, a
// link included and one that points nowhere, is never opened or followed.
TEST(CreateNewFile, FailsOnAnythingThereAndTouchesNothing) {
  const TempDir folder;
  const auto system = files::MakeSystemFileSystem();
  WriteFileBytes(folder.Path() / "file", "kept");
  fs::create_directory(folder.Path() / "folder");
  std::vector<std::string> taken = {"file", "folder"};
#if !defined(_WIN32)
  fs::create_symlink(folder.Path() / "file", folder.Path() / "link");
  fs::create_symlink(folder.Path() / "nowhere", folder.Path() / "dangling");
  taken.insert(taken.end(), {"link", "dangling"});
#endif
  for (const std::string& name : taken) {
    std::unique_ptr<files::WritingFile> file;
    EXPECT_EQ(files::ProblemOf(system->CreateNewFile(folder.Path() / name, file)),
              FileProblem::kExists)
        << name;
    EXPECT_FALSE(file) << name;
  }
  EXPECT_EQ(ReadFileBytes(folder.Path() / "file"), "kept");
  EXPECT_FALSE(fs::exists(folder.Path() / "nowhere"));
}

TEST(ReplacingAFile, WithANameTooLongForATemporaryNameBeside) {
  const TempDir folder;
  const fs::path target = folder.Path() / (std::string(250, 'L') + ".txt");
  const auto system = files::MakeSystemFileSystem();
  EXPECT_FALSE(files::ReplaceWholeFile(*system, target, "bytes"));
  EXPECT_EQ(ReadFileBytes(target), "bytes");
  EXPECT_EQ(Names(folder.Path()).size(), 1u);
}

// Written in pieces of every size, through the buffer and around it, the
// file holds exactly the bytes given, in order.
TEST(ReplacingAFile, PiecesOfAnySizeArriveInOrder) {
  const TempDir folder;
  const fs::path target = folder.Path() / "verdicts.jsonl";
  const auto system = files::MakeSystemFileSystem();
  std::mt19937 random(27);
  for (int run = 0; run < 4; ++run) {
    std::string expected;
    files::Replacement file(*system, target);
    while (expected.size() < (std::size_t{5} << 20)) {
      const std::size_t size = random() % 8 == 0 ? random() % (3 << 20) : random() % 300;
      const std::string piece(size, static_cast<char>('a' + random() % 26));
      file.Write(piece);
      expected += piece;
    }
    ASSERT_FALSE(file.Commit());
    EXPECT_EQ(ReadFileBytes(target), expected);
  }
}

}  // namespace
