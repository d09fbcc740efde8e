// ADIF records as the QSOs the host hands over: what each field becomes, what
// is repaired with a word, which records are skipped and why, and what stray
// bytes between records cost.

#include "logs/adif/qso_mapping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "logs/adif/adif_reader.h"
#include "logs/adif/log_pass.h"
#include "logs/bytes/byte_source.h"

namespace logs {
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

const std::string kRest = "<QSO_DATE:8>20130205<TIME_ON:4>0907<BAND:3>80m<EOR>\n";
const std::string kOver16MiB = std::to_string(17 << 20);

std::string Good(const std::string& call) {
  return "<CALL:" + std::to_string(call.size()) + ">" + call + kRest;
}

struct LogCase {
  const char* name;
  std::string log;      // "@" stands for 17 MiB of text
  const char* outcome;  // QSOs and skipped records, and the last QSO; or "refused"
  const char* warning;  // part of a warning (or of the reason for a skip)
  const char* at;       // where that warning points
};

void PrintTo(const LogCase& c, std::ostream* os) { *os << c.name; }

std::string Outcome(const MappedLog& mapped) {
  const std::string counts = std::to_string(mapped.qsos.size()) + " QSOs, " +
                             std::to_string(mapped.skipped.size()) + " skipped";
  if (mapped.qsos.empty()) return counts;
  const HostQso& qso = mapped.qsos.back();
  return counts + "; " + qso.call + " " + qso.band + " " + std::to_string(qso.frequencyHz) + " " +
         FormatTimeOfDay(qso.secondOfDay) + " [" + qso.exchangeSent + "/" + qso.exchangeReceived +
         "]";
}

class LogReading : public testing::TestWithParam<LogCase> {};

TEST_P(LogReading, SaysWhatItRepairsAndSkips) {
  const LogCase& c = GetParam();
  std::string log = c.log;
  if (const std::size_t huge = log.find('@'); huge != std::string::npos) {
    log.replace(huge, 1, std::string(17 << 20, 'x'));
  }
  if (std::string_view(c.outcome) == "refused") {
    EXPECT_THROW(Map(log), AdifSyntaxError);
    return;
  }
  const MappedLog mapped = Map(log);
  EXPECT_EQ(Outcome(mapped), c.outcome);
  std::vector<LogWarning> all = mapped.repaired;
  all.insert(all.end(), mapped.skipped.begin(), mapped.skipped.end());
  EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const LogWarning& warning) {
    return warning.text.find(c.warning) != std::string::npos && warning.offset == log.find(c.at);
  })) << (all.empty() ? "no warning" : all.back().text);
}

const auto kCaseName = [](const testing::TestParamInfo<LogCase>& info) {
  return std::string(info.param.name);
};

// Stray bytes cost no QSO.
INSTANTIATE_TEST_SUITE_P(
    StrayBytes, LogReading,
    testing::Values(
        LogCase{"CommentAfterTheLastRecord", Good("UA3AA") + Good("UA3BB") + "<!-- end -->\n",
                "2 QSOs, 0 skipped; UA3BB 80 3500000 09:07:00 [/]", "ignored", "<!--"},
        LogCase{"LastRecordCutShort", Good("UA3AA") + Good("UA3BB") + "<CALL:6>UA3C",
                "2 QSOs, 1 skipped; UA3BB 80 3500000 09:07:00 [/]", "the file ends", "<CALL:6>"},
        LogCase{"TwoExportsInOneFile",
                "Export\n<EOH>\n" + Good("UA3AA") + "Export 2\n<ADIF_VER:5>3.1.4<EOH>\n" +
                    Good("UA3BB"),
                "2 QSOs, 0 skipped; UA3BB 80 3500000 09:07:00 [/]", "second header", "<ADIF_VER"},
        LogCase{"PageMarkBetweenRecords", Good("UA3AA") + "<!-- page 2 -->\n" + Good("UA3BB"),
                "2 QSOs, 0 skipped; UA3BB 80 3500000 09:07:00 [/]", "ignored", "<!-- page"},
        LogCase{"ConfirmationServiceEnd", Good("UA3AA") + "<APP_LoTW_EOF>\n",
                "1 QSOs, 0 skipped; UA3AA 80 3500000 09:07:00 [/]", "<APP_LoTW_EOF>",
                "<APP_LoTW_EOF>"},
        LogCase{"EndOfFileTag", Good("UA3AA") + "<EOF>",
                "1 QSOs, 0 skipped; UA3AA 80 3500000 09:07:00 [/]", "<EOF>", "<EOF>"},
        LogCase{"HugeComment", Good("UA3AA") + "<CALL:4>K1AB<COMMENT:" + kOver16MiB + ">@" + kRest,
                "2 QSOs, 0 skipped; K1AB 80 3500000 09:07:00 [/]", "longer than 16 MiB",
                "<COMMENT"},
        LogCase{"HugeCall", Good("UA3AA") + "<CALL:" + kOver16MiB + ">@" + kRest + Good("UA3BB"),
                "2 QSOs, 1 skipped; UA3BB 80 3500000 09:07:00 [/]", "longer than 16 MiB",
                "<CALL:1"},
        LogCase{"NotAdifAtAll", "Just text,\nno tag at all.\n", "refused", "", ""}),
    kCaseName);

// Nothing changes the score without a word.
INSTANTIATE_TEST_SUITE_P(
    QuietChanges, LogReading,
    testing::Values(
        LogCase{"BlankAfterTheCall", Good("UA3AAA") + Good("UA3AAA "),
                "2 QSOs, 0 skipped; UA3AAA 80 3500000 09:07:00 [/]", "CALL", "<CALL:7>"},
        LogCase{"BlanksAroundTheExchange", "<CALL:4>K1AB<STX:3>001<SRX_STRING:6> W123 " + kRest,
                "1 QSOs, 0 skipped; K1AB 80 3500000 09:07:00 [001/W123]", "SRX_STRING",
                "<SRX_STRING"},
        LogCase{"BandWithABlank", "<CALL:4>K1AB<BAND:4>80 m" + kRest,
                "1 QSOs, 0 skipped; K1AB 80 3500000 09:07:00 [/]", "80m", "<BAND:4>"},
        LogCase{"BandInMegahertz", "<CALL:4>K1AB<BAND:6>3.5MHz" + kRest,
                "1 QSOs, 0 skipped; K1AB 80 3500000 09:07:00 [/]", "80m", "<BAND:6>"},
        LogCase{"BandFromTheFrequency",
                "<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_ON:4>0907<BAND:3>xyz<FREQ:6>14.025<EOR>",
                "1 QSOs, 0 skipped; K1AB 20 14025000 09:07:00 [/]", "names no band", "<BAND:3>"},
        LogCase{"NoBandAtAll",
                Good("K2CD") + "<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_ON:4>0907<BAND:3>xyz<EOR>",
                "1 QSOs, 1 skipped; K2CD 80 3500000 09:07:00 [/]", "names no band", "<CALL:4>K1AB"},
        LogCase{"LineBreakCountedIntoTheBand",
                "<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_ON:4>0907<band:4>20m\n<EOR>",
                "1 QSOs, 0 skipped; K1AB 20 14000000 09:07:00 [/]", "BAND", "<band"},
        LogCase{"LineBreakCountedIntoTheDate",
                "<CALL:4>K1AB<QSO_DATE:10>20130205\r\n<TIME_ON:4>0907<BAND:3>80m<EOR>",
                "1 QSOs, 0 skipped; K1AB 80 3500000 09:07:00 [/]", "QSO_DATE", "<QSO_DATE"},
        LogCase{"OnlyTheEndTime",
                "<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_OFF:4>1502<BAND:3>80m<EOR>",
                "1 QSOs, 0 skipped; K1AB 80 3500000 15:02:00 [/]", "TIME_OFF", "<TIME_OFF"},
        LogCase{"FrequencyInHertz",
                "<CALL:4>K1AB<QSO_DATE:8>20130205<TIME_ON:4>0907<BAND:3>20m<freq:8>14081011<EOR>",
                "1 QSOs, 0 skipped; K1AB 20 14081011 09:07:00 [/]", "as Hz", "<freq"},
        LogCase{"DateThePluginCanNotPrint",
                Good("K2CD") + "<CALL:4>K1AB<QSO_DATE:8>99991231<TIME_ON:4>1200<BAND:3>80m<EOR>",
                "1 QSOs, 1 skipped; K2CD 80 3500000 09:07:00 [/]", "9999-12-31", "<CALL:4>K1AB"}),
    kCaseName);

}  // namespace
}  // namespace logs
