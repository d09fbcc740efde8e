// FREQ and BAND as the host's hertz and band: exact decimals rounded to the
// hertz, and the repairs for the ways real logs get FREQ wrong.

#include "logs/radio/frequency.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace logs {
namespace {

TEST(Frequency, DecimalMegahertzBecomeHertzRoundedToTheNearest) {
  const auto megahertz = [](const char* text) { return ReadFrequency(text)->asMegahertz; };
  EXPECT_EQ(megahertz("3.550999"), 3550999u);
  EXPECT_EQ(megahertz("14"), 14000000u);
  EXPECT_EQ(megahertz("7."), 7000000u);
  EXPECT_EQ(megahertz(".5"), 500000u);
  EXPECT_EQ(megahertz(" 007.0100 "), 7010000u);
  // Values a binary double would get wrong by one hertz when multiplied by 1e6.
  EXPECT_EQ(megahertz("4.35"), 4350000u);
  EXPECT_EQ(megahertz("1.001"), 1001000u);
  // What a program printing doubles leaves: rounded, not cut.
  EXPECT_EQ(megahertz("7.0119999999999996"), 7012000u);
  EXPECT_EQ(megahertz("3.4999999999999996"), 3500000u);
  EXPECT_EQ(megahertz("3.5509994"), 3550999u);
  EXPECT_EQ(megahertz("3.5509995"), 3551000u);
  EXPECT_EQ(megahertz("4294.967295"), 4294967295u);
  EXPECT_EQ(megahertz("4294.9672955"), std::nullopt) << "rounds past the host's 32 bits";
  EXPECT_EQ(megahertz("99999999999999999999999"), std::nullopt);
  EXPECT_EQ(ReadFrequency("7012.0")->asKilohertz, 7012000u);
  EXPECT_EQ(ReadFrequency("7,012")->asMegahertz, 7012000u);
  EXPECT_TRUE(ReadFrequency("7,012")->decimalComma);
}

TEST(Frequency, TextsThatAreNotNumbersAreRefused) {
  for (const char* text :
       {"", ".", ",", " ", "-3.5", "+3.5", "3.5.1", "3,5,1", "3,500.1", "3.5MHz", "1e6", "3 .5"}) {
    EXPECT_EQ(ReadFrequency(text), std::nullopt) << text;
  }
}

struct FrequencyCase {
  const char* name;
  const char* freq;
  const char* band;
  std::uint32_t hertz;
  const char* hostBand;
  const char* repair;   // part of the repair, "" for none
  const char* refusal;  // "" when the QSO is taken
};

void PrintTo(const FrequencyCase& c, std::ostream* os) { *os << c.name; }

class FrequencyChoices : public testing::TestWithParam<FrequencyCase> {};

TEST_P(FrequencyChoices, GiveTheHostsHertzAndBand) {
  const FrequencyCase& c = GetParam();
  const FrequencyChoice choice = ChooseFrequency(c.freq, c.band);
  EXPECT_EQ(choice.refusal, c.refusal);
  if (*c.refusal != '\0') return;
  EXPECT_EQ(choice.hertz, c.hertz);
  EXPECT_EQ(choice.band, c.hostBand);
  if (*c.repair == '\0') {
    EXPECT_EQ(choice.repair, "");
  } else {
    EXPECT_NE(choice.repair.find(c.repair), std::string::npos) << choice.repair;
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllCases, FrequencyChoices,
    testing::Values(
        FrequencyCase{"InBand", "7.012", "40m", 7012000, "40", "", ""},
        FrequencyCase{"BandFromFrequency", "3.5", "", 3500000, "80", "", ""},
        FrequencyCase{"RoundedIntoTheBand", "3.4999999999999996", "", 3500000, "80", "", ""},
        FrequencyCase{"BandWithoutFrequencyGivesItsLowerEdge", "", "160m", 1800000, "160", "", ""},
        FrequencyCase{"DecimalComma", "7,012", "40m", 7012000, "40",
                      "FREQ \"7,012\": the comma is read as a decimal point", ""},
        FrequencyCase{"DecimalCommaWithoutBand", "3,5", "", 3500000, "80", "comma", ""},
        FrequencyCase{"KilohertzOn40m", "7012.0", "40m", 7012000, "40",
                      "FREQ \"7012.0\": the value is taken as kHz (7012000 Hz)", ""},
        FrequencyCase{"KilohertzOn80mFitsIn32BitsAsMegahertz", "3520", "80m", 3520000, "80", "kHz",
                      ""},
        FrequencyCase{"KilohertzOn2m", "144300.5", "2m", 144300500, "2", "kHz", ""},
        FrequencyCase{"KilohertzWithoutBand", "14025", "", 14025000, "20", "kHz", ""},
        FrequencyCase{"KilohertzWithDecimalComma", "7012,5", "40m", 7012500, "40",
                      "comma is read as a decimal point, and the value is taken as kHz", ""},
        FrequencyCase{"GigahertzBandStaysMegahertz", "2400", "", 2400000000u, "13cm", "", ""},
        FrequencyCase{"NotANumberFallsBackToBand", "7.0x", "40m", 7000000, "40",
                      "FREQ \"7.0x\" is not a frequency in MHz; the lower edge of BAND 40m "
                      "(7000000 Hz) is passed instead",
                      ""},
        FrequencyCase{"TooLargeFallsBackToBand", "70120000", "40m", 7000000, "40",
                      "above 4 294 967 295 Hz", ""},
        FrequencyCase{"OutsideTheStatedBandKeepsBoth", "14.025", "40m", 14025000, "40",
                      "FREQ \"14.025\" lies outside BAND 40m; both are passed as they are", ""},
        FrequencyCase{"UnknownBandAndAFrequencyInNoBand", "27.185", "11m", 0, "", "",
                      "BAND \"11m\" names no band, and FREQ \"27.185\" lies outside the "
                      "amateur bands"},
        FrequencyCase{"UnknownBandWithoutFrequency", "", "3cm", 0, "3cm", "0 Hz is passed", ""},
        FrequencyCase{"NeitherBandNorFrequency", "", " ", 0, "", "", "neither BAND nor FREQ"},
        FrequencyCase{"NoBandAndNotANumber", "abc", "", 0, "", "",
                      "FREQ \"abc\" is not a frequency in MHz"},
        FrequencyCase{"NoBandAndOutsideTheBands", "4.5", "", 0, "", "",
                      "no BAND, and FREQ \"4.5\" lies outside the amateur bands"},
        FrequencyCase{"NoBandAndTooLarge", "70120000", "", 0, "", "",
                      "no BAND, and FREQ \"70120000\" lies outside the amateur bands"}),
    [](const testing::TestParamInfo<FrequencyCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace logs
