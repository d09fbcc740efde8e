// Entry categories: one category however the logs write it, the organisers'
// file for the rest, and no category, with a note, where neither is clear.

#include <gtest/gtest.h>

#include <sstream>

#include "crosscheck/categories_file.h"
#include "crosscheck/run.h"
#include "tests/support/temp_dir.h"

namespace {

using stats::testing::ReadFileBytes;
using stats::testing::TempDir;
using stats::testing::WriteFileBytes;

struct FileCase {
  std::string text;
  std::string problem;  // part of it; empty: read
  std::map<std::string, std::string> byCall = {};
};

const FileCase kFiles[] = {
    {"\xEF\xBB\xBF"
     "call,category\r\nra3a,SOAB-MIXED-LP\r\n\r\n# late\rRA3B;\"MOAB - MIX\"\n",
     "",
     {{"RA3A", "SOAB - MIX - LP"}, {"RA3B", "MOAB - MIX"}}},
    {"RA3A,SOAB-CW-LP\nRA3A,SOAB-CW-LP\n", "", {{"RA3A", "SOAB-CW-LP"}}},
    {"RA3A,SOAB-CW-LP\nRA3A,SOAB-CW-HP\n", "line 2: RA3A a second time"},
    {"RA3A SOAB-CW-LP\n", "line 1: not CALL,CATEGORY"},
    {"RA3A,SO-80M-LP\n", "line 1: \"SO-80M-LP\" is none of the categories SOAB-CW-LP, "},
    {",SOAB-CW-LP\n", "line 1: no call"},
};

TEST(CategoriesFile, IsReadOrItsFirstFaultNamed) {
  for (const FileCase& file : kFiles) {
    const crosscheck::CategoriesFile read = crosscheck::ParseCategories(file.text);
    EXPECT_EQ(read.problem.value_or("").substr(0, file.problem.size()), file.problem) << file.text;
    if (file.problem.empty()) {
      EXPECT_EQ(read.byCall, file.byCall) << file.text;
    }
  }
}

std::string Cabrillo(const std::string& call, const std::string& header, const std::string& qso) {
  return "START-OF-LOG: 3.0\r\nCALLSIGN: " + call + "\r\n" + header + "QSO: " + qso +
         "\r\nEND-OF-LOG:\r\n";
}

TEST(Categories, AreOneHoweverWrittenAndTheFileGivesTheRest) {
  const TempDir dir;
  const auto logs = dir.Path() / "logs";
  std::filesystem::create_directory(logs);
  WriteFileBytes(logs / "ra3a.cbr",
                 Cabrillo("RA3A", "CATEGORY: SOAB-MIXED-LP\r\n",
                          "3550 CW 2024-02-18 1000 RA3A 599 1 RA3B 599 W1\r\n"
                          "QSO: 3550 CW 2024-02-18 1010 RA3A 599 2 RA3C 599 W2"));
  WriteFileBytes(logs / "ra3b.cbr",
                 Cabrillo("RA3B",
                          "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-BAND: ALL\r\n"
                          "CATEGORY-MODE: MIXED\r\nCATEGORY-POWER: LOW\r\n",
                          "3550 CW 2024-02-18 1000 RA3B 599 W1 RA3A 599 1"));
  WriteFileBytes(logs / "ra3c.cbr", Cabrillo("RA3C", "CATEGORY: SO-80M-LP\r\n",
                                             "3550 CW 2024-02-18 1010 RA3C 599 W2 RA3A 599 2"));
  WriteFileBytes(logs / "ra3d.adi",
                 "<CALL:4>RA3A<QSO_DATE:8>20240218<TIME_ON:4>1020<BAND:3>80m<MODE:2>CW"
                 "<STX:1>1<SRX:1>3<STATION_CALLSIGN:4>RA3D<EOR>\n");
  WriteFileBytes(dir.Path() / "categories.csv", "RA3D,SOAB-CW-HP\n");
  const auto run = [&](std::vector<std::string> arguments) {
    arguments.insert(arguments.end(),
                     {"--lang", "en", "--out", (dir.Path() / "out").string(), logs.string()});
    std::ostringstream out, err;
    const int status = crosscheck::RunCrosscheck(arguments, out, err);
    return std::to_string(status) + " " + err.str();
  };
  ASSERT_EQ(run({"--categories", (dir.Path() / "categories.csv").string()}), "0 ");

  const std::string csv = ReadFileBytes(dir.Path() / "out" / "results.csv");
  const auto rowOf = [&](const std::string& call) {
    std::istringstream lines(csv);
    for (std::string line; std::getline(lines, line);) {
      if (line.find("," + call + ",") != std::string::npos) return line;
    }
    return std::string();
  };
  EXPECT_EQ(rowOf("RA3A").substr(0, 17), "SOAB - MIX - LP,1");
  EXPECT_EQ(rowOf("RA3B").substr(0, 17), "SOAB - MIX - LP,2");
  EXPECT_EQ(rowOf("RA3D").substr(0, 13), "SOAB-CW-HP,1,");
  EXPECT_EQ(rowOf("RA3C").substr(0, 3), ",1,");
  EXPECT_LT(csv.find("SOAB-CW-HP"), csv.find("SOAB - MIX - LP")) << csv;  // the dialog's order

  const auto reportOf = [&](const std::string& call) {
    return ReadFileBytes(dir.Path() / "out" / "ubn" / (call + ".txt"));
  };
  EXPECT_NE(reportOf("RA3A").find("Category: SOAB - MIX - LP (in the log: SOAB-MIXED-LP)\r\n"),
            std::string::npos);
  EXPECT_NE(reportOf("RA3D").find("Category: SOAB-CW-HP (given by the organisers)\r\n"),
            std::string::npos);
  EXPECT_NE(reportOf("RA3C").find(
                "Category: No category given: the log's \"SO-80M-LP\" is none of the contest's"),
            std::string::npos);

  WriteFileBytes(dir.Path() / "categories.csv", "RA3D,SOAB-CW-XP\n");
  EXPECT_EQ(run({"--categories", (dir.Path() / "categories.csv").string()}).substr(0, 27),
            "2 crosscheck: --categories ");
}

}  // namespace
