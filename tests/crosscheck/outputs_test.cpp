// The outputs are one set, written only where no log is: a run that can not
// replace one of them replaces none and says so, and OUT among the logs is
// refused before anything is read or written.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "crosscheck/run.h"
#include "files/utf8_path.h"
#include "tests/support/fake_file_system.h"
#include "tests/support/temp_dir.h"

#if defined(_WIN32)
#include "tests/support/literal_path.h"
#endif

namespace {

namespace fs = std::filesystem;
using files_test::FakeFileSystem;
using files_test::Operation;
using stats::testing::ReadFileBytes;
using stats::testing::ScopedWorkingDirectory;
using stats::testing::WriteFileBytes;

std::string Log(const std::string& call, const std::string& other) {
  return "START-OF-LOG: 3.0\nCALLSIGN: " + call + "\nQSO: 3550 CW 2024-02-18 1000 " + call +
         " 599 001 " + other + " 599 002\nEND-OF-LOG:\n";
}

std::map<std::string, std::string> TreeOf(const fs::path& folder) {
  std::map<std::string, std::string> tree;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    tree[entry.path().lexically_relative(folder).generic_string()] =
        entry.is_directory() ? "<folder>" : ReadFileBytes(entry.path());
  }
  return tree;
}

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome Crosscheck(const std::vector<std::string>& arguments, files::FileSystem* files = nullptr) {
  std::ostringstream out, err;
  const int status = files ? crosscheck::RunCrosscheck(arguments, out, err, *files)
                           : crosscheck::RunCrosscheck(arguments, out, err);
  return {status, out.str(), err.str()};
}

struct Fault {
  const char* name;
  Operation operation;
  const char* on;
  std::errc error;
  const char* said;
};

void PrintTo(const Fault& c, std::ostream* os) { *os << c.name; }

class OutputsFault : public testing::TestWithParam<Fault> {};

TEST_P(OutputsFault, ReplacesNoneAndListsNoneAsWritten) {
  const Fault& c = GetParam();
  const ScopedWorkingDirectory directory;
  fs::create_directory("logs");
  WriteFileBytes("logs/ra3a.cbr", Log("RA3A", "RA3B"));
  WriteFileBytes("logs/ra3b.cbr", Log("RA3B", "RA3A"));
  ASSERT_EQ(Crosscheck({"--out", "out", "logs"}).status, 0);
  const auto earlier = TreeOf("out");
  WriteFileBytes("logs/ra3c.cbr", Log("RA3C", "RA3A"));

  FakeFileSystem faulty({c.operation, c.on, std::make_error_code(c.error), 0});
  const Outcome run = Crosscheck({"--out", "out", "logs"}, &faulty);

  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(TreeOf("out"), earlier);
  EXPECT_NE(run.out.find("Nothing written into out\n"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Written into"), std::string::npos) << run.out;
  EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("nothing was replaced"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    EachOutput, OutputsFault,
    testing::Values(
        Fault{"ResultsCsvOpenInAnotherProgram", Operation::kMove, "results.csv",
              std::errc::device_or_resource_busy,
              "results.csv: could not take the earlier one's place: it is in use by another "
              "program"},
        Fault{"VerdictsOnAFullDevice", Operation::kWrite, "verdicts.jsonl",
              std::errc::no_space_on_device,
              "verdicts.jsonl: could not be written whole: no space left on the device"},
        Fault{"AReportThatCanNotBeMade", Operation::kCreateFile, "RA3C.txt",
              std::errc::permission_denied,
              "RA3C.txt: the new file can not be made: permission denied"},
        Fault{"TheReportsFolderCanNotBeMoved", Operation::kMove, "ubn", std::errc::io_error,
              "ubn: could not take the earlier one's place"}),
    [](const testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

struct Among {
  const char* name;
  std::vector<std::string> arguments;
  const char* said;
};

void PrintTo(const Among& c, std::ostream* os) { *os << c.name; }

class OutAmongLogs : public testing::TestWithParam<Among> {};

TEST_P(OutAmongLogs, IsRefusedBeforeAnythingIsWritten) {
  const Among& c = GetParam();
  const ScopedWorkingDirectory directory;
  fs::create_directories("logs/old");
  fs::create_directories("out");
  WriteFileBytes("logs/ra3a.cbr", Log("RA3A", "RA3B"));
  WriteFileBytes("logs/results.csv", Log("RA3B", "RA3A"));  // a log of that name
  WriteFileBytes("out/ra3c.cbr", Log("RA3C", "RA3A"));
#if !defined(_WIN32)
  fs::create_directory_symlink("logs", "linked");
#endif
  const auto before = TreeOf(".");

  const Outcome run = Crosscheck(c.arguments);

  EXPECT_EQ(run.status, 2) << run.err;
  EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(TreeOf("."), before);
}

std::vector<Among> AmongCases() {
  std::vector<Among> cases = {
      {"OutIsTheLogFolder", {"--out", "logs", "logs"}, "--out logs is logs"},
      {"OutInsideTheLogFolder", {"--out", "logs/old/new", "logs"}, "lies inside it"},
      {"OutSpelledAnotherWay", {"--out", "./logs/old/..", "logs/"}, "lies inside it"},
      {"OutIsTheFolderOfALogGiven", {"--out", "logs", "logs/ra3a.cbr"}, "lies inside --out logs"},
      {"ALogInsideOut", {"--out", "out", "logs", "out/ra3c.cbr"}, "the log out/ra3c.cbr lies"},
      {"LogFoldersInsideOut", {"--out", ".", "logs"}, "the log logs lies inside --out ."},
  };
#if !defined(_WIN32)
  cases.push_back({"OutThroughALink", {"--out", "linked/new", "logs"}, "lies inside it"});
#endif
  return cases;
}

INSTANTIATE_TEST_SUITE_P(AllCases, OutAmongLogs, testing::ValuesIn(AmongCases()),
                         [](const testing::TestParamInfo<Among>& info) {
                           return std::string(info.param.name);
                         });

#if defined(_WIN32)
// "\\?\" paths, past 260 characters, are read and written whole; the
// console shows the output folder as it was given.
TEST(LongPaths, LogsAndOutputsBehindLiteralPaths) {
  const ScopedWorkingDirectory directory;
  const fs::path deep = files_test::DeepFolderIn(files_test::LiteralPath("."));
  fs::create_directory(deep / "logs");
  WriteFileBytes(deep / "logs" / "ra3a.cbr", Log("RA3A", "RA3B"));
  WriteFileBytes(deep / "logs" / "ra3b.cbr", Log("RA3B", "RA3A"));
  const Outcome run =
      Crosscheck({"--out", files::Utf8OfPath(deep / "out"), files::Utf8OfPath(deep / "logs")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Written into \\\\?\\"), std::string::npos) << run.out;
  const std::string logs = ReadFileBytes(deep / "out" / "logs.jsonl");
  // Both logs read, each named within the folder given.
  EXPECT_NE(logs.find("\"ra3a.cbr\""), std::string::npos) << logs;
  EXPECT_NE(logs.find("\"ra3b.cbr\""), std::string::npos) << logs;
  EXPECT_NE(ReadFileBytes(deep / "out" / "ubn" / "RA3B.txt"), "");
  // Again: the earlier outputs, ubn/ with what it holds, are replaced and removed.
  const Outcome again =
      Crosscheck({"--out", files::Utf8OfPath(deep / "out"), files::Utf8OfPath(deep / "logs")});
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.err, "");
}
#endif

}  // namespace
