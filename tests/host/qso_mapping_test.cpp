#include "host/adif/qso_mapping.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "host/adif/byte_source.h"
#include "host/adif/log_pass.h"

namespace host {
namespace {

struct MappedLog {
  std::vector<HostQso> qsos;
  std::vector<LogWarning> skipped;
  std::vector<LogWarning> repaired;
};

MappedLog Map(const std::string& adif, const std::optional<std::string>& ownCall = std::nullopt) {
  MappedLog mapped;
  MemoryBytes bytes(adif);
  ReadQsos(
      bytes, ownCall,
      [&](LogWarning warning) {
        (warning.skipped ? mapped.skipped : mapped.repaired).push_back(std::move(warning));
      },
      [&](const HostQso& qso) { mapped.qsos.push_back(qso); });
  return mapped;
}

TEST(QsoMapping, FillsEveryArgumentThePluginReads) {
  const MappedLog log =
      Map("<CALL:5>UA3AA<QSO_DATE:8>20130205<TIME_ON:6>090705<BAND:3>40M<FREQ:8>7.012345"
          "<MODE:3>PSK<SUBMODE:5>PSK63<RST_SENT:3>599<RST_RCVD:3>579<STX_STRING:3>001<STX:1>9"
          "<SRX_STRING:4>W015<STATION_CALLSIGN:4>OWN1<OPERATOR:4>OPR1<EOR>");
  ASSERT_EQ(log.qsos.size(), 1u);
  ASSERT_TRUE(log.skipped.empty());
  const HostQso& qso = log.qsos[0];
  EXPECT_EQ(qso.record, 1u);
  EXPECT_EQ(qso.call, "UA3AA");
  EXPECT_EQ(qso.ownCall, "OWN1");
  EXPECT_EQ(qso.date.year, 2013);
  EXPECT_EQ(qso.secondOfDay, 9 * 3600 + 7 * 60 + 5);
  EXPECT_EQ(qso.frequencyHz, 7012345u);
  EXPECT_EQ(qso.band, "40");
  EXPECT_EQ(qso.mode, "BPSK63");
  EXPECT_EQ(qso.rstSent, "599");
  EXPECT_EQ(qso.rstReceived, "579");
  EXPECT_EQ(qso.exchangeSent, "001");
  EXPECT_EQ(qso.exchangeReceived, "W015");
}

TEST(QsoMapping, FallsBackToTheOtherFieldOfAPair) {
  const MappedLog log =
      Map("<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_ON:4>0907<BAND:4>160m<MODE:2>CW"
          "<STX:2>17<SRX_STRING:0><SRX:3>123<OPERATOR:4>OPR1<EOR>");
  ASSERT_EQ(log.qsos.size(), 1u);
  EXPECT_EQ(log.qsos[0].ownCall, "OPR1");
  EXPECT_EQ(log.qsos[0].exchangeSent, "17");
  EXPECT_EQ(log.qsos[0].exchangeReceived, "123");
  EXPECT_EQ(log.qsos[0].frequencyHz, 1800000u) << "no FREQ: the band's lower edge";
  EXPECT_EQ(log.qsos[0].band, "160");
  EXPECT_TRUE(log.repaired.empty());
}

TEST(QsoMapping, OwnCallFromTheCommandLineWins) {
  const MappedLog log =
      Map("<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_ON:4>0907<BAND:3>80m<STATION_CALLSIGN:4>OWN1<EOR>",
          std::string("R3KV/P"));
  EXPECT_EQ(log.qsos.at(0).ownCall, "R3KV/P");
}

TEST(QsoMapping, BandFollowsFromFrequencyWhenMissing) {
  const MappedLog log =
      Map("<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_ON:4>0907<FREQ:5>3.550<EOR>"
          "<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_ON:4>0907<FREQ:4>1.85<BAND:0><EOR>");
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[0].band, "80");
  EXPECT_EQ(log.qsos[1].band, "160");
}

TEST(QsoMapping, TextsPassAsTheirBytes) {
  const MappedLog log = Map(
      "<CALL:7>ua3aa \xC8<QSO_DATE:8>20130205<TIME_ON:4>0907<BAND:3>80m<SRX_STRING:4>w015<EOR>");
  EXPECT_EQ(log.qsos.at(0).call, "ua3aa \xC8");
  EXPECT_EQ(log.qsos.at(0).exchangeReceived, "w015");
}

struct Unusable {
  const char* name;
  std::string fields;
  const char* reason;
};

// Names the case in test names instead of a dump of its bytes.
void PrintTo(const Unusable& c, std::ostream* os) { *os << c.name; }

class QsoMappingSkips : public testing::TestWithParam<Unusable> {};

TEST_P(QsoMappingSkips, RecordsThatCanNotBeAQso) {
  const std::string good = "<CALL:4>K2CD<QSO_DATE:8>20130205<TIME_ON:4>0907<BAND:3>80m<EOR>\n";
  const MappedLog log = Map(good + GetParam().fields + "<EOR>\n" + good);
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[1].record, 3u);
  ASSERT_EQ(log.skipped.size(), 1u);
  EXPECT_EQ(log.skipped[0].record, 2u);
  EXPECT_EQ(log.skipped[0].offset, good.size());
  EXPECT_EQ(log.skipped[0].text, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    AllCases, QsoMappingSkips,
    testing::Values(
        Unusable{"NoCall", "<QSO_DATE:8>20130205<TIME_ON:4>0907<BAND:3>80m", "no CALL"},
        Unusable{"BlankCall", "<CALL:1> <QSO_DATE:8>20130205<TIME_ON:4>0907<BAND:3>80m", "no CALL"},
        Unusable{"NoDate", "<CALL:4>K1AB<TIME_ON:4>0907<BAND:3>80m", "no QSO_DATE"},
        Unusable{"BadDate", "<CALL:4>K1AB<QSO_DATE:8>20130230<TIME_ON:4>0907<BAND:3>80m",
                 "QSO_DATE \"20130230\" is not a date (YYYYMMDD)"},
        Unusable{"NoTime", "<CALL:4>K1AB<QSO_DATE:8>20130205<BAND:3>80m", "no TIME_ON"},
        Unusable{"BadTime", "<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_ON:4>2460<BAND:3>80m",
                 "TIME_ON \"2460\" is not a time (HHMM or HHMMSS)"},
        Unusable{"BadFrequency", "<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_ON:4>0907<FREQ:3>3.x",
                 "FREQ \"3.x\" is not a frequency in MHz"},
        Unusable{"LineBreakInCall",
                 "<CALL:9>UA3\r\nAAA<QSO_DATE:8>20130205<TIME_ON:4>0907<BAND:3>80m",
                 "CALL holds the control byte 0x0D"},
        Unusable{"NulInExchange",
                 std::string("<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_ON:4>0907<BAND:3>80m"
                             "<SRX_STRING:3>1") +
                     '\0' + "2",
                 "SRX_STRING holds the control byte 0x00"},
        Unusable{"TabInOwnCall",
                 "<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_ON:4>0907<BAND:3>80m"
                 "<STATION_CALLSIGN:5>R3\tKV",
                 "STATION_CALLSIGN holds the control byte 0x09"},
        Unusable{"NoBandNoFrequency", "<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_ON:4>0907",
                 "neither BAND nor FREQ"},
        Unusable{"FrequencyOutsideBands",
                 "<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_ON:4>0907<FREQ:3>4.5",
                 "no BAND, and FREQ \"4.5\" lies outside the amateur bands"}),
    [](const testing::TestParamInfo<Unusable>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace host
