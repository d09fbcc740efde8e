// The Cabrillo reader against the plug-in's writer, and the frequency column
// read into band and hertz.

#include "logs/cabrillo/cabrillo_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "logs/cabrillo/qso_line.h"
#include "logs/time/qso_date.h"
#include "stats/station/cabrillo_writer.h"

namespace logs {
namespace {

std::string GoldenCabrilloLog() {
  std::ifstream file(std::string(KV_SOURCE_DIR) + "/tests/stats-host/golden/R3KV.cbr",
                     std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// The plug-in's QSO line of what the reader read from one.
std::string WrittenAgain(const HostQso& read) {
  stats::Qso qso;
  qso.call = read.call;
  qso.qsoTime = stats::OleDateTime{ToOleDate(read.date, read.secondOfDay), 0};
  qso.frequencyHz = read.frequencyHz;
  qso.mode = read.mode;
  qso.rstSent = read.rstSent;
  qso.rstReceived = read.rstReceived;
  qso.exchangeSent = read.exchangeSent;
  qso.exchangeReceived = read.exchangeReceived;
  return stats::FormatQsoLine(read.ownCall, qso);
}

TEST(CabrilloReader, ReadsThePluginsLogWholeAndEachQsoLineWritesBackTheSame) {
  const std::string bytes = GoldenCabrilloLog();
  LogFile log;
  ReadCabrillo(bytes, log);
  EXPECT_EQ(log.qsos.size(), 365u);
  EXPECT_TRUE(log.repairs.empty()) << log.repairs.front();
  EXPECT_EQ(log.ownCall, "R3KV");
  EXPECT_EQ(log.claimed, 10220);

  std::istringstream lines(bytes);
  std::size_t qsoLines = 0;
  for (std::string line; std::getline(lines, line);) {
    if (!line.starts_with("QSO:")) continue;
    ++qsoLines;
    line.pop_back();  // CR
    const QsoLineReading reading = ReadQsoLine(line, 1);
    ASSERT_TRUE(reading.repairs.empty() && !reading.refusal) << line;
    ASSERT_EQ(WrittenAgain(reading.qso), line + "\r\n");
  }
  EXPECT_EQ(qsoLines, 365u);
}

TEST(CabrilloQsoLine, FrequencyColumnGivesBandAndHertz) {
  const struct {
    const char* frequency;
    const char* band;
    std::uint32_t hertz;
    const char* repair;  // part of the one repair; empty: none
  } cases[] = {
      {"3550", "80", 3550000, ""},
      {"7012.5", "40", 7012500, ""},
      {"50", "6", 50000000, ""},
      {"1.2g", "23cm", 1240000000, ""},
      {"3.4G", "9cm", 3300000000u, ""},
      {"3.550", "80", 3550000, "in MHz"},
      {"14,025", "20", 14025000, "in MHz"},
      {"80m", "80", 3500000, "band name"},
      {"160", "160", 1800000, "band name"},
      {"99999", "", 0, "no amateur band"},
      {"CW", "", 0, "no amateur band"},
  };
  for (const auto& c : cases) {
    const std::string line =
        std::string("QSO: ") + c.frequency + " CW 2024-02-18 1000 RA3A 599 001 RA3B 599 002";
    const QsoLineReading reading = ReadQsoLine(line, 7);
    ASSERT_FALSE(reading.refusal) << c.frequency;
    EXPECT_EQ(reading.qso.band, c.band) << c.frequency;
    EXPECT_EQ(reading.qso.frequencyHz, c.hertz) << c.frequency;
    if (*c.repair == '\0') {
      EXPECT_TRUE(reading.repairs.empty()) << c.frequency;
    } else {
      ASSERT_EQ(reading.repairs.size(), 1u) << c.frequency;
      EXPECT_NE(reading.repairs[0].find(c.repair), std::string::npos) << reading.repairs[0];
    }
  }
}

}  // namespace
}  // namespace logs
