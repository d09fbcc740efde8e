// The field conversions of the ADIF mapping: date and time, mode, band.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "logs/radio/band.h"
#include "logs/radio/mode.h"
#include "logs/time/qso_date.h"
#include "stats/ole_date.h"

namespace logs {
namespace {

TEST(QsoDateTime, AdifDatesAreCheckedCalendarDays) {
  const auto date = ParseAdifDate("20130205");
  ASSERT_TRUE(date);
  EXPECT_EQ(date->year, 2013);
  EXPECT_EQ(date->month, 2);
  EXPECT_EQ(date->day, 5);
  EXPECT_TRUE(ParseAdifDate("20240229"));
  EXPECT_TRUE(ParseAdifDate("20000229"));
  for (const char* text : {"20230229", "19000229", "20131301", "20130001", "20130431", "20130100",
                           "2013025", "201302055", "2013-2-5", "18991231", "abcdefgh", ""}) {
    EXPECT_FALSE(ParseAdifDate(text)) << text;
  }
  EXPECT_TRUE(ParseIsoDate("2024-02-18"));
  EXPECT_FALSE(ParseIsoDate("20240218"));
  EXPECT_FALSE(ParseIsoDate("2024-02-30"));
}

TEST(QsoDateTime, AdifTimesAreSecondsOfTheDay) {
  EXPECT_EQ(ParseAdifTime("0907"), 9 * 3600 + 7 * 60);
  EXPECT_EQ(ParseAdifTime("090705"), 9 * 3600 + 7 * 60 + 5);
  EXPECT_EQ(ParseAdifTime("000000"), 0);
  EXPECT_EQ(ParseAdifTime("235959"), 86399);
  for (const char* text : {"2400", "0960", "090760", "907", "09075", "0907050", "09:07", ""}) {
    EXPECT_FALSE(ParseAdifTime(text)) << text;
  }
}

TEST(QsoDateTime, OleDatesAreDaysAndTheFractionOfTheDay) {
  EXPECT_DOUBLE_EQ(ToOleDate({2013, 2, 5}, 9 * 3600 + 7 * 60), 41310.0 + 547.0 / 1440.0);
  EXPECT_EQ(SecondsSinceOleEpoch({1900, 1, 1}, 61), 2 * 86400 + 61);
}

// The plug-in's own reading of the date-time is the oracle: every second of a
// day, on days around the edges of months, years and centuries, reads back as
// the date and time it was made from.
TEST(QsoDateTime, EverySecondReadsBackThroughThePluginsCalendar) {
  const QsoDate days[] = {{1900, 1, 1},   {1999, 12, 31}, {2000, 2, 29}, {2013, 2, 5},
                          {2024, 12, 31}, {2100, 3, 1},   {9999, 12, 30}};
  for (const QsoDate& day : days) {
    for (int second = 0; second < 86400; ++second) {
      const stats::OleDateTime value{ToOleDate(day, second), 0};
      const auto calendar = stats::ToCalendarTime(value);
      ASSERT_TRUE(calendar);
      const bool same = calendar->year == day.year && calendar->month == day.month &&
                        calendar->day == day.day && calendar->hour == second / 3600 &&
                        calendar->minute == second / 60 % 60 && calendar->second == second % 60;
      ASSERT_TRUE(same) << day.year << "-" << day.month << "-" << day.day << " second " << second;
    }
  }
}

struct ModeCase {
  const char* mode;
  const char* submode;
  const char* hostName;
};

// Names the case in test names instead of a dump of its bytes.
void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.mode << "/" << c.submode; }

class ModeMapping : public testing::TestWithParam<ModeCase> {};

TEST_P(ModeMapping, GivesTheHostsName) {
  EXPECT_EQ(HostModeName(GetParam().mode, GetParam().submode), GetParam().hostName);
}

INSTANTIATE_TEST_SUITE_P(
    AdifModes, ModeMapping,
    testing::Values(ModeCase{"CW", "", "CW"}, ModeCase{"cw", "", "CW"}, ModeCase{"CW", "PCW", "CW"},
                    ModeCase{"SSB", "", "SSB"}, ModeCase{"SSB", "USB", "SSB"},
                    ModeCase{"ssb", "lsb", "SSB"}, ModeCase{"PSK", "PSK63", "BPSK63"},
                    ModeCase{"psk", "bpsk63", "BPSK63"}, ModeCase{"PSK63", "", "BPSK63"},
                    ModeCase{"BPSK63", "", "BPSK63"}, ModeCase{"PSK", "BPSK62", "BPSK62"},
                    ModeCase{"BPSK62", "", "BPSK62"}, ModeCase{"PSK", "PSK31", "PSK31"},
                    ModeCase{"PSK", "QPSK63", "QPSK63"}, ModeCase{"PSK", "", "PSK"},
                    ModeCase{"PSK31", "", "PSK31"}, ModeCase{"FM", "", "FM"},
                    ModeCase{"rtty", "", "RTTY"}, ModeCase{"MFSK", "FT4", "FT4"},
                    ModeCase{"USB", "", "SSB"}, ModeCase{"lsb", "", "SSB"}, ModeCase{"", "", ""}),
    [](const testing::TestParamInfo<ModeCase>& info) {
      std::string name = std::string(info.param.mode) + "_" + info.param.submode;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return std::to_string(info.index) + "_" + name;
    });

TEST(Band, MetreBandsLoseTheirM) {
  EXPECT_EQ(HostBandName("160m"), "160");
  EXPECT_EQ(HostBandName("160M"), "160");
  EXPECT_EQ(HostBandName("80m"), "80");
  EXPECT_EQ(HostBandName(" 40m "), "40");
  EXPECT_EQ(HostBandName("1.25m"), "1.25");
  EXPECT_EQ(HostBandName("70cm"), "70cm");
  EXPECT_EQ(HostBandName("23CM"), "23cm");
  EXPECT_EQ(HostBandName("160"), "160");
  EXPECT_EQ(HostBandName("m"), "m");
}

TEST(Band, EdgesByTheHostsName) {
  EXPECT_EQ(EdgesOfBand("40")->lowestHz, 7000000u);
  EXPECT_EQ(EdgesOfBand("70cm")->highestHz, 450000000u);
  EXPECT_FALSE(EdgesOfBand("40m"));
  EXPECT_EQ(EdgesOfBand("6cm")->lowestHz, 5650000000u) << "above the host's 32-bit hertz";
}

TEST(Band, DerivedFromFrequencyWithTheEdgesIncluded) {
  EXPECT_EQ(BandForFrequency(1800000), "160");
  EXPECT_EQ(BandForFrequency(2000000), "160");
  EXPECT_EQ(BandForFrequency(3550999), "80");
  EXPECT_EQ(BandForFrequency(7300000), "40");
  EXPECT_EQ(BandForFrequency(14000000), "20");
  EXPECT_EQ(BandForFrequency(144300000), "2");
  EXPECT_EQ(BandForFrequency(432100000), "70cm");
  EXPECT_EQ(BandForFrequency(3400000000u), "9cm");
  EXPECT_EQ(BandForFrequency(1799999), std::nullopt);
  EXPECT_EQ(BandForFrequency(2000001), std::nullopt);
  EXPECT_EQ(BandForFrequency(7300001), std::nullopt);
  EXPECT_EQ(BandForFrequency(0), std::nullopt);
}

}  // namespace
}  // namespace logs
