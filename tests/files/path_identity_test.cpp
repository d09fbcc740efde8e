// Paths compared by what they name: every spelling of one file or folder, and
// of one that is not there yet, is the same; other files are not.

#include "files/path_identity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "files/system_path.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using stats::testing::ScopedWorkingDirectory;
using stats::testing::WriteFileBytes;

struct Spelling {
  const char* name;
  const char* path;
  const char* same;  // the same file or place, spelled another way
};

void PrintTo(const Spelling& c, std::ostream* os) { *os << c.name; }

class PathIdentity : public testing::TestWithParam<Spelling> {
 protected:
  PathIdentity() {
    fs::create_directories("logs/sub");
    WriteFileBytes("logs/log.adi", "log");
    WriteFileBytes("other.adi", "log");
    fs::create_hard_link("logs/log.adi", "hard.adi");
#if !defined(_WIN32)
    fs::create_symlink("logs", "linked");
#endif
  }
  ScopedWorkingDirectory directory_;
};

TEST_P(PathIdentity, IsTheSameForEverySpellingAndNoOtherFile) {
  const Spelling& c = GetParam();
  const auto identity = files::IdentityOf(c.path);
  ASSERT_TRUE(identity);
  EXPECT_EQ(files::IdentityOf(c.same), identity);
  EXPECT_EQ(files::IdentityOf(files::AbsolutePath(c.same)), identity);
  EXPECT_NE(files::IdentityOf("other.adi"), identity);
  EXPECT_NE(files::IdentityOf("logs/sub/new.html"), identity);
}

std::vector<Spelling> Spellings() {
  std::vector<Spelling> spellings = {
      {"DotAndDotDot", "logs/log.adi", "./logs/sub/../log.adi"},
      {"HardLink", "logs/log.adi", "hard.adi"},
      {"NotThereYet", "logs/new.html", "logs/sub/../new.html"},
      {"BelowAFolderNotThereYet", "logs/a/b.html", "logs/a/c/../b.html"},
      {"Folder", "logs", "logs/sub/.."},
  };
#if defined(_WIN32)
  spellings.push_back({"OtherCase", "logs/log.adi", "LOGS/Log.ADI"});
  spellings.push_back({"OtherCaseNotThereYet", "logs/new.html", "LOGS/NEW.html"});
#else
  spellings.push_back({"SymbolicLinkToTheFolder", "logs/log.adi", "linked/log.adi"});
  spellings.push_back({"NotThereYetBehindALink", "logs/new.html", "linked/new.html"});
#endif
  return spellings;
}

INSTANTIATE_TEST_SUITE_P(AllCases, PathIdentity, testing::ValuesIn(Spellings()),
                         [](const testing::TestParamInfo<Spelling>& info) {
                           return std::string(info.param.name);
                         });

TEST(IdsUpFrom, AreTheFolderAndEveryFolderAboveItUpToTheRoot) {
  const ScopedWorkingDirectory directory;
  fs::create_directories("logs/sub");
  const auto ids = files::IdsUpFrom("logs/sub/not-yet/out");
  ASSERT_GE(ids.size(), 3u);
  EXPECT_EQ(ids[0], files::StampOf("logs/sub")->id);
  EXPECT_EQ(ids[1], files::StampOf("logs")->id);
  EXPECT_EQ(ids[2], files::StampOf(".")->id);
  EXPECT_EQ(ids.back(), files::StampOf(files::AbsolutePath(".").root_path())->id);
}

}  // namespace
