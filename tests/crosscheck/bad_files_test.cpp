// What the cross-check makes of files that are not clean logs: each is read
// with its repairs listed, or listed as not read with the reason; nothing
// crashes, and the run still writes its outputs.

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

#include "crosscheck/run.h"
#include "logs/file/read_log_file.h"
#include "tests/support/temp_dir.h"

namespace {

using stats::testing::ReadFileBytes;
using stats::testing::TempDir;
using stats::testing::WriteFileBytes;

const std::string kHeader = "START-OF-LOG: 3.0\nCALLSIGN: RA3A\n";
const std::string kQso = "QSO: 3550 CW 2024-02-18 1000 RA3A 599 001 RA3B 599 002\n";

// ASCII text as UTF-16LE with its byte-order mark.
std::string Utf16Le(std::string_view ascii) {
  std::string bytes = "\xFF\xFE";
  for (const char c : ascii) bytes += std::string{c, '\0'};
  return bytes;
}

struct FileCase {
  std::string name;
  std::string bytes;
  std::string failure;  // part of the reason it is not read; empty: it is read
  std::size_t qsos = 0;
  std::string repair = {};  // part of a repair that must be listed
  std::string operatorName = {};
};

const FileCase kFiles[] = {
    {"Binary",
     std::string("\x7F"
                 "ELF\x02\x01\x01\0\0\0",
                 10) +
         kQso,
     "not a text file"},
    {"Empty", "\xEF\xBB\xBF \r\n", "an empty file"},
    {"HeaderWithoutQsos", kHeader + "END-OF-LOG:\n", "no QSO lines"},
    {"NoQsoLineReadable", kHeader + "QSO: 3550 CW\n", "no QSO line could be read"},
    {"NeitherFormat", "Dear organisers, my log follows by post.\n", "neither a Cabrillo nor"},
    {"AdifWithoutASingleTag", "<CALL:four>RA3B</CALL>\n", "not a readable ADIF file"},
    {"LineOfAMillionCharacters", kHeader + std::string(1'000'000, 'Q') + "\n" + kQso, "", 1,
     "longer than 4096 characters"},
    {"Adif",
     "<ADIF_VER:5>3.1.4<EOH>\n<CALL:4>RA3B<QSO_DATE:8>20240218<TIME_ON:4>1000<BAND:3>80m"
     "<MODE:2>CW<STX:3>001<SRX:3>002<STATION_CALLSIGN:4>RA3A<EOR>\n",
     "", 1},
    {"LooseColumnsWithoutReports", kHeader + "qso: 3.550 ssb 20240218 10:00 ra3a 001 ra3b 002\n",
     "", 1, "without the reports"},
    {"FixedColumnsWithAnEmptyReport",
     kHeader + "QSO:  3550 CW 2024-02-18 1000 RA3A              001    RA3B          599 002\n", "",
     1, "read by the fixed columns"},
    {"AdifInUtf16",
     Utf16Le("<CALL:4>RA3B<QSO_DATE:8>20240218<TIME_ON:4>1000<BAND:3>80m<MODE:2>CW"
             "<STX:3>001<SRX:3>002<STATION_CALLSIGN:4>RA3A<EOR>\r\n"),
     "", 1, "UTF-16"},
    {"BrokenUtf16", Utf16Le("<CALL:4>RA3B<EOR>") + "<", "can not be read"},
    {"CallsignInNoQsoLine", "START-OF-LOG: 3.0\nCALLSIGN: UA1ZZZ\n" + kQso + kQso, "", 2,
     "CALLSIGN UA1ZZZ is in no QSO line: the call RA3A of the QSO lines taken"},
    {"KilohertzWithADecimalPoint",
     kHeader + "QSO: 3550.5 CW 2024-02-18 1000 RA3A 599 001 RA3B 599 002\n", "", 1},
    {"KilohertzWithADecimalComma",
     kHeader + "QSO: 3550,5 CW 2024-02-18 1000 RA3A 599 001 RA3B 599 002\n", "", 1,
     "a decimal comma in the frequency"},
    {"Hertz", kHeader + "QSO: 3550000 CW 2024-02-18 1000 RA3A 599 001 RA3B 599 002\n", "", 1,
     "the frequency in Hz"},
    {"HertzAtTheBandEdge",  // not 3.5 GHz, the top of 9 cm
     kHeader + "QSO: 3500000 CW 2024-02-18 1000 RA3A 599 001 RA3B 599 002\n", "", 1,
     "the frequency in Hz"},
    {"MegahertzWithADecimalComma",
     kHeader + "QSO: 3,55 CW 2024-02-18 1000 RA3A 599 001 RA3B 599 002\n", "", 1,
     "the frequency in MHz"},
    {"TransmitterNumber", kHeader + "QSO: 3550 CW 2024-02-18 1000 RA3A 599 001 RA3B 599 002 1\n",
     "", 1},
    {"FieldsAfterTheTransmitterNumber",
     kHeader + "QSO: 3550 CW 2024-02-18 1000 RA3A 599 001 RA3B 599 002 1 RUN #7\n", "", 1,
     "fields after the transmitter number"},
    {"LoneCrLineEnds",
     "START-OF-LOG: 3.0\rCALLSIGN: RA3A\r" + kQso.substr(0, kQso.size() - 1) + "\r" +
         kQso.substr(0, kQso.size() - 1) + "\rEND-OF-LOG:\r",
     "", 2, "line 1 and 3 more: lines ended by a lone CR"},
    {"MixedLineEnds",
     "START-OF-LOG: 3.0\r\nCALLSIGN: RA3A\r" + kQso + kQso.substr(0, kQso.size() - 1) + "\r\n" +
         kQso.substr(0, kQso.size() - 1) + "\rEND-OF-LOG:\n",
     "", 3, "line 2 and 1 more: lines ended by a lone CR"},
    {"XQsoLinesReadAsExcluded", kHeader + kQso + "X-" + kQso, "", 2},
    {"NameInUtf8", kHeader + "NAME: Иван Петров\n" + kQso, "", 1, "", "Иван Петров"},
    {"NameInWindows1251", kHeader + "NAME: \xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2\n" + kQso, "",
     1, "", "Иван Петров"},
    {"NameInKoi8R", kHeader + "NAME: \xE9\xD7\xC1\xCE \xF0\xC5\xD4\xD2\xCF\xD7\n" + kQso, "", 1, "",
     "Иван Петров"},
};

void PrintTo(const FileCase& file, std::ostream* out) { *out << file.name; }

class ReadingAFile : public testing::TestWithParam<FileCase> {};

TEST_P(ReadingAFile, ReadsItOrSaysWhyNot) {
  const FileCase& file = GetParam();
  const logs::LogFile log = logs::ReadLogBytes("log.txt", file.bytes);
  if (file.failure.empty()) {
    ASSERT_FALSE(log.failure) << *log.failure;
    EXPECT_EQ(log.ownCall, "RA3A");
    EXPECT_EQ(log.qsos.size(), file.qsos);
    EXPECT_EQ(log.qsos.front().call, "RA3B");
    EXPECT_EQ(log.qsos.front().band, "80");
    EXPECT_EQ(log.qsos.front().received, "002");
    EXPECT_FALSE(log.qsos.front().excluded);
    EXPECT_EQ(log.qsos.back().excluded, file.name.starts_with("XQso"));
  } else {
    ASSERT_TRUE(log.failure);
    EXPECT_NE(log.failure->find(file.failure), std::string::npos) << *log.failure;
  }
  std::string repairs;
  for (const std::string& repair : log.repairs) repairs += repair + "\n";
  EXPECT_NE(repairs.find(file.repair), std::string::npos) << repairs;
  EXPECT_EQ(log.name, file.operatorName);
}

INSTANTIATE_TEST_SUITE_P(Files, ReadingAFile, testing::ValuesIn(kFiles),
                         [](const testing::TestParamInfo<FileCase>& info) {
                           return info.param.name;
                         });

TEST(ReadingAFile, ThatIsNotThereOrNotALogStillGivesTheOutputsAndStatus3) {
  const TempDir dir;
  std::filesystem::create_directory(dir.Path() / "logs");
  WriteFileBytes(dir.Path() / "logs" / "ra3a.cbr", kHeader + kQso);
  WriteFileBytes(dir.Path() / "logs" / "photo.jpg", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF", 10));
  std::ostringstream out, err;
  const int status = crosscheck::RunCrosscheck(
      {"--out", (dir.Path() / "out").string(), (dir.Path() / "logs").string(),
       (dir.Path() / "missing.cbr").string()},
      out, err);
  EXPECT_EQ(status, 3) << err.str();
  const std::string logs = ReadFileBytes(dir.Path() / "out" / "logs.jsonl");
  EXPECT_NE(logs.find("photo.jpg\",\"status\":\"not read\",\"reason\":\"not a text file\""),
            std::string::npos)
      << logs;
  EXPECT_NE(logs.find("missing.cbr\",\"status\":\"not read\",\"reason\":\"can not be read"),
            std::string::npos)
      << logs;
  EXPECT_NE(ReadFileBytes(dir.Path() / "out" / "results.html").find("photo.jpg"),
            std::string::npos);
  EXPECT_NE(out.str().find("Not read: "), std::string::npos) << out.str();
  EXPECT_FALSE(ReadFileBytes(dir.Path() / "out" / "ubn" / "RA3A.txt").empty());
}

TEST(ReadingAFile, InSubfoldersAndTwiceForOneCallEachIsReadAndTheReportSaysWhichCounted) {
  const TempDir dir;
  const std::filesystem::path logs = dir.Path() / "logs";
  std::filesystem::create_directories(logs / "cw");
  std::filesystem::create_directories(logs / "ssb" / "late");
  WriteFileBytes(logs / "cw" / "ra3a.cbr", kHeader + kQso);
  WriteFileBytes(logs / "ssb" / "late" / "ra3a-ssb.cbr", kHeader + kQso);
  std::filesystem::last_write_time(
      logs / "cw" / "ra3a.cbr",
      std::filesystem::last_write_time(logs / "ssb" / "late" / "ra3a-ssb.cbr") -
          std::chrono::hours(1));
  WriteFileBytes(logs / "ra3b.cbr",
                 "START-OF-LOG: 3.0\nCALLSIGN: RA3B\n"
                 "QSO: 3550 CW 2024-02-18 1000 RA3B 599 002 RA3A 599 001\n");
  std::ostringstream out, err;
  EXPECT_EQ(crosscheck::RunCrosscheck(
                {"--lang", "en", "--out", (dir.Path() / "out").string(), logs.string()}, out, err),
            0)
      << err.str();
  EXPECT_NE(out.str().find("Logs: 2 checked, 1 superseded"), std::string::npos) << out.str();
  const std::string report = ReadFileBytes(dir.Path() / "out" / "ubn" / "RA3A.txt");
  // Named within the folder given: the organiser's own folders are no one else's business.
  EXPECT_NE(report.find("File: ssb/late/ra3a-ssb.cbr\r\n"
                        "Not counted, as this file of the call was modified last: cw/ra3a.cbr\r\n"),
            std::string::npos)
      << report;
  EXPECT_EQ(report.find(dir.Path().filename().string()), std::string::npos) << report;
}

TEST(ReadingAFile, RunAgainWithoutALogKeepsNoReportOfItsCall) {
  const TempDir dir;
  const auto run = [&](const std::string& call) {
    WriteFileBytes(dir.Path() / "log.cbr", "START-OF-LOG: 3.0\nCALLSIGN: " + call +
                                               "\nQSO: 3550 CW 2024-02-18 1000 " + call +
                                               " 599 001 RA3B 599 002\n");
    std::ostringstream out, err;
    EXPECT_EQ(
        crosscheck::RunCrosscheck(
            {"--out", (dir.Path() / "out").string(), (dir.Path() / "log.cbr").string()}, out, err),
        0)
        << err.str();
  };
  run("RA3A");
  const std::string longCall(300, 'R');  // its report's name is cut short
  run(longCall);
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path() / "out")) {
    if (entry.is_directory()) left.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(left, std::vector<std::string>{"ubn"});
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "out" / "ubn" / "RA3A.txt"));
  EXPECT_TRUE(
      std::filesystem::exists(dir.Path() / "out" / "ubn" / (longCall.substr(0, 64) + ".txt")));
}

}  // namespace
