// The calls and categories entered at upload, over what the logs' files say.

#include <gtest/gtest.h>

#include <sstream>

#include "crosscheck/run.h"
#include "tests/support/temp_dir.h"

namespace {

using stats::testing::ReadFileBytes;
using stats::testing::TempDir;
using stats::testing::WriteFileBytes;

TEST(Entries, TheCallAndCategoryEnteredCountOverTheFilesOwn) {
  const TempDir dir;
  std::filesystem::create_directory(dir.Path() / "logs");
  // The file carries the operator's call; the ADIF log names no category.
  WriteFileBytes(dir.Path() / "logs" / "RA3A.cbr",
                 "START-OF-LOG: 3.0\nCALLSIGN: RA3ZZ\nCATEGORY: SOAB-CW-HP\n"
                 "QSO: 3550 CW 2024-02-18 1000 RA3ZZ 599 001 RA3B 599 002\n");
  WriteFileBytes(dir.Path() / "logs" / "RA3B.adi",
                 "<CALL:4>RA3A<QSO_DATE:8>20240218<TIME_ON:4>1000<BAND:3>80m<MODE:2>CW"
                 "<STX:3>002<SRX:3>001<STATION_CALLSIGN:4>RA3B<EOR>\n");
  WriteFileBytes(dir.Path() / "entries.jsonl",
                 "{\"file\": \"RA3A.cbr\", \"call\": \"ra3a\", \"category\": \"SOAB-CW-LP\"}\n"
                 "\n{\"file\": \"RA3B.adi\", \"category\": \"SOAB-CW-LP\"}\n"
                 "{\"file\": \"not-given.cbr\", \"call\": \"UA1A\"}\n");
  std::ostringstream out, err;
  ASSERT_EQ(crosscheck::RunCrosscheck({"--out", (dir.Path() / "out").string(), "--entries",
                                       (dir.Path() / "entries.jsonl").string(),
                                       (dir.Path() / "logs").string()},
                                      out, err),
            0)
      << err.str();
  const std::string csv = ReadFileBytes(dir.Path() / "out" / "results.csv");
  EXPECT_NE(csv.find("SOAB-CW-LP,1,RA3A,"), std::string::npos) << csv;
  EXPECT_NE(csv.find("SOAB-CW-LP,1,RA3B,"), std::string::npos) << csv;  // places tie
  const std::string logs = ReadFileBytes(dir.Path() / "out" / "logs.jsonl");
  EXPECT_EQ(logs.find("\"nil\":1"), std::string::npos) << "the two logs confirm each other";
}

TEST(Entries, AFileThatIsNotJsonLinesStopsTheRunWithStatus2) {
  const TempDir dir;
  WriteFileBytes(dir.Path() / "entries.jsonl", "{\"file\": \"a.cbr\"}\n{\"file\": 3}\n");
  std::filesystem::create_directory(dir.Path() / "logs");
  std::ostringstream out, err;
  EXPECT_EQ(crosscheck::RunCrosscheck({"--out", (dir.Path() / "out").string(), "--entries",
                                       (dir.Path() / "entries.jsonl").string(),
                                       (dir.Path() / "logs").string()},
                                      out, err),
            2);
  EXPECT_NE(err.str().find("entries.jsonl: line 2: "), std::string::npos) << err.str();
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "out"));
}

}  // namespace
