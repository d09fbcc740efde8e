// The station details and the Cabrillo log through the loaded plug-in: under
// wine the real dialog, operated by a second thread; in the portable build the
// text stand-in, given empty lines on standard input, which confirm the presets.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/exports/entry_points.h"
#include "tests/support/temp_dir.h"

#if defined(_WIN32)
#include "tests/platform/dialog_driver.h"
#else
#include "stats-host/run/details_answer.h"
#endif

namespace stats {
namespace {

using testing::OleDate;
using testing::Qso;
using testing::ReadFileBytes;
using KeyValues = std::vector<std::pair<std::string, std::string>>;

const std::filesystem::path kSettingsFile = std::filesystem::path("Plugins") / "ZORVA.ini";

// The key lines of the settings file in file order.
KeyValues SettingsLines() {
  KeyValues lines;
  const std::string bytes = ReadFileBytes(kSettingsFile);
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos)
      lines.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    start = end + 1;
  }
  return lines;
}

class StationExportsTest : public ::testing::Test {
 protected:
  StationExportsTest() { std::filesystem::create_directory("Plugins"); }

  testing::ScopedWorkingDirectory directory_;
#if !defined(_WIN32)
  stats_host::DetailsAnswer confirmEveryPreset_{true};
#endif
  testing::PluginLibrary library_{testing::BuiltPluginPath()};
  testing::EntryPoints plugin_{library_};
  const StatsDateTime contestDate_ = testing::HostDate(OleDate(2013, 2, 5, 12));
};

TEST_F(StationExportsTest, FirstReportOffersTheDefaultsAndOkStoresTheEightKeysInOrder) {
#if defined(_WIN32)
  testing::DialogOperator driver(testing::OperatorActions{});
#endif
  EXPECT_EQ(plugin_.Reset(1, "UA1AAA", &contestDate_), 1);
#if defined(_WIN32)
  const testing::SeenDialog& seen = driver.Seen();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.texts.at(IDC_OPERATORS), "UA1AAA");
  EXPECT_EQ(seen.texts.at(IDC_CALLSIGN), "UA1AAA");
  EXPECT_EQ(seen.texts.at(IDC_CONTEST), "KESDRA VELK");
  EXPECT_EQ(seen.texts.at(IDC_CATEGORY), "SOAB-CW-LP");
  for (const int empty : {IDC_CLAIMED, IDC_NAME, IDC_ADDRESS, IDC_CLUB, IDC_SOAPBOX, IDC_EMAIL}) {
    EXPECT_EQ(seen.texts.at(empty), "") << empty;
  }
  EXPECT_EQ(
      seen.categoryItems,
      (std::vector<std::string>{"SOAB-CW-LP", "SOAB-CW-HP", "SOAB - SSB - LP", "SOAB - SSB - HP",
                                "SOAB - MIX - LP", "SOAB - MIX - HP", "MOAB - MIX"}));
#endif
  EXPECT_EQ(SettingsLines(), (KeyValues{{"Operators", "UA1AAA"},
                                        {"Name", ""},
                                        {"Address", ""},
                                        {"Category", "SOAB-CW-LP"},
                                        {"Contest", "KESDRA VELK"},
                                        {"Email", ""},
                                        {"Club", ""},
                                        {"SoapBox", ""}}));
}

TEST_F(StationExportsTest, ConfirmedDetailsReachTheSettingsFileAndTheCabrilloLog) {
#if defined(_WIN32)
  testing::OperatorActions actions;
  actions.typed = {{IDC_NAME, "Ivan Petrov"},
                   {IDC_ADDRESS, "Lenina 1\r\nMoscow\r\nRussia"},
                   {IDC_SOAPBOX, "73\r\nGL"}};
  testing::DialogOperator driver(actions);
#else
  testing::WriteFileBytes(
      kSettingsFile,
      "[Settings]\r\nName=Ivan Petrov\r\n"
      "Address=Lenina 1<CR><LF>Moscow<CR><LF>Russia\r\nSoapBox=73<CR><LF>GL\r\n");
#endif
  plugin_.Reset(1, "UA1AAA", &contestDate_);
#if defined(_WIN32)
  ASSERT_TRUE(driver.Seen().found);
#endif
  const KeyValues lines = SettingsLines();
  const std::map<std::string, std::string> settings(lines.begin(), lines.end());
  EXPECT_EQ(settings,
            (std::map<std::string, std::string>{{"Operators", "UA1AAA"},
                                                {"Name", "Ivan Petrov"},
                                                {"Address", "Lenina 1<CR><LF>Moscow<CR><LF>Russia"},
                                                {"Category", "SOAB-CW-LP"},
                                                {"Contest", "KESDRA VELK"},
                                                {"Email", ""},
                                                {"Club", ""},
                                                {"SoapBox", "73<CR><LF>GL"}}));

  plugin_.Add(Qso("DX1", "40", "CW", "W015"));
  plugin_.Add(Qso("DX2", "40", "SSB", "004"));
  int score = 0;
  plugin_.getResult(&score);
  EXPECT_EQ(score, -1);
  plugin_.getResult(&score);
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"),
            "START-OF-LOG: 2.0\r\n"
            "CALLSIGN: UA1AAA\r\n"
            "CATEGORY: SOAB-CW-LP\r\n"
            "CLAIMED-SCORE: 2\r\n"
            "CLUB: \r\n"
            "CONTEST: KESDRA VELK\r\n"
            "CREATED-BY: MixW \r\n"
            "NAME: Ivan Petrov\r\n"
            "ADDRESS: Lenina 1\r\n"
            "ADDRESS: Moscow\r\n"
            "ADDRESS: Russia\r\n"
            "OPERATORS: UA1AAA\r\n"
            "EMAIL: \r\n"
            "SOAPBOX: 73\r\n"
            "SOAPBOX: GL\r\n"
            "QSO:  7012 CW 2013-02-05 0907 UA1AAA        599 001    DX1           579 W015\r\n"
            "QSO:  7012 PH 2013-02-05 0907 UA1AAA        599 001    DX2           579 004\r\n"
            "END-OF-LOG:\r\n");
  EXPECT_TRUE(std::filesystem::exists("cabrillo.ini"));
}

// The log and the settings file are written through temporary files of the
// plug-in's own, never through the operator's files of similar names.
TEST_F(StationExportsTest, TheOperatorsFilesNamedLikeTemporaryFilesStayAsTheyWere) {
  const std::string own = "the operator's own file\r\n";
  testing::WriteFileBytes("UA1AAA.cbr.tmp", own);
#if defined(_WIN32)
  testing::WriteFileBytes("Plugins/ZORVA.ini.tmp", own);
  testing::DialogOperator driver(testing::OperatorActions{});
#else
  // A link would point a write through it at the file it names.
  testing::WriteFileBytes("own.txt", own);
  std::filesystem::create_symlink("../own.txt", "Plugins/ZORVA.ini.tmp");
#endif
  plugin_.Reset(1, "UA1AAA", &contestDate_);
  plugin_.Add(Qso("DX1", "40", "CW", "W015"));
  int score = 0;
  plugin_.getResult(&score);

  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr.tmp"), own);
  EXPECT_EQ(ReadFileBytes("Plugins/ZORVA.ini.tmp"), own);
  EXPECT_NE(ReadFileBytes("UA1AAA.cbr").find("\r\nQSO:  7012 CW "), std::string::npos);
  EXPECT_NE(ReadFileBytes(kSettingsFile).find("\r\nClaimed=1\r\n"), std::string::npos);
}

#if defined(_WIN32)
TEST_F(StationExportsTest, CancelLeavesTheSettingsFileUntouchedAndTheLogTagsEveryLine) {
  const std::string saved =
      "[Settings]\r\nOperators=UA1BBB\r\nAddress=Lenina 1<CR><LF>Moscow\r\nClaimed=5\r\n";
  testing::WriteFileBytes(kSettingsFile, saved);
  testing::OperatorActions actions;
  actions.typed = {{IDC_NAME, "typed"}, {IDC_ADDRESS, "x\r\ny"}};
  actions.button = IDCANCEL;
  testing::DialogOperator driver(actions);
  plugin_.Reset(1, "UA1AAA", &contestDate_);
  ASSERT_TRUE(driver.Seen().found);
  EXPECT_EQ(driver.Seen().texts.at(IDC_ADDRESS), "Lenina 1\r\nMoscow");
  EXPECT_EQ(driver.Seen().texts.at(IDC_CLAIMED), "5");
  EXPECT_EQ(ReadFileBytes(kSettingsFile), saved);

  int score = 0;
  plugin_.getResult(&score);
  const std::string log = ReadFileBytes("UA1AAA.cbr");
  EXPECT_NE(log.find("\r\nNAME: \r\nADDRESS: Lenina 1\r\nADDRESS: Moscow\r\nOPERATORS: UA1BBB\r\n"),
            std::string::npos)
      << log;
}
#endif

}  // namespace
}  // namespace stats
