// The "QSO:" lines of the Cabrillo log: columns that grow, never cut.

#include "stats/station/qso_line.h"

#include <gtest/gtest.h>

#include "tests/support/ole_dates.h"

namespace stats {
namespace {

using testing::OleDate;

CabrilloQso Sample() {
  CabrilloQso qso;
  qso.frequencyKhz = 3550;
  qso.modeCode = "CW";
  qso.qsoTime = testing::ValidDate(OleDate(2013, 2, 5, 9, 7, 29.6));
  qso.rstSent = "599";
  qso.exchangeSent = "001";
  qso.call = "DX1";
  qso.rstReceived = "579";
  qso.exchangeReceived = "123";
  return qso;
}

TEST(QsoLine, ColumnsArePaddedToTheirMinimumWidths) {
  EXPECT_EQ(FormatQsoLine("UA1AAA", Sample()),
            "QSO:  3550 CW 2013-02-05 0907 UA1AAA        599 001    DX1           579 123\r\n");
  CabrilloQso shortTexts = Sample();
  shortTexts.frequencyKhz = 7;
  shortTexts.modeCode = "?";
  shortTexts.rstSent = "";
  shortTexts.exchangeSent = "";
  shortTexts.call = "";
  shortTexts.rstReceived = "5";
  shortTexts.exchangeReceived = "";
  const std::string blank13(13, ' ');
  EXPECT_EQ(FormatQsoLine("", shortTexts), "QSO:     7  ? 2013-02-05 0907 " + blank13 + "     " +
                                               std::string(6, ' ') + " " + blank13 + " 5   \r\n");
}

TEST(QsoLine, LongValuesWidenTheirColumnsWithoutCutting) {
  CabrilloQso qso = Sample();
  qso.frequencyKhz = 145500;
  qso.modeCode = "??";
  qso.rstSent = "5999";
  qso.exchangeSent = "0012345";
  qso.call = "RA1ABCDEFGHIJK/P";
  qso.rstReceived = "5799";
  qso.exchangeReceived = "W123456789";
  EXPECT_EQ(FormatQsoLine("UA1AAA/MM/QRP1", qso),
            "QSO: 145500 ?? 2013-02-05 0907 UA1AAA/MM/QRP1 5999 0012345 RA1ABCDEFGHIJK/P "
            "5799 W123456789\r\n");
  qso.frequencyKhz = 4294967;
  EXPECT_EQ(FormatQsoLine("UA1AAA", qso).substr(0, 13), "QSO: 4294967 ");
}

TEST(QsoLine, ControlBytesOfHostTextsBecomeSpacesAndTheLineStaysOne) {
  CabrilloQso qso = Sample();
  qso.call = "UA3\r\nAAA";
  qso.rstSent = "5\t9";
  qso.exchangeSent =
      "0\x1B"
      "1";
  qso.rstReceived = "\x7F";
  qso.exchangeReceived = "1\n2\xC8";
  EXPECT_EQ(FormatQsoLine("UA1\rAAA", qso),
            "QSO:  3550 CW 2013-02-05 0907 UA1 AAA       5 9 0 1    UA3  AAA     " +
                std::string(5, ' ') + "1 2\xC8\r\n");
}

TEST(QsoLine, TimeWithoutAValidDateIsEmpty) {
  CabrilloQso qso = Sample();
  qso.qsoTime = OleDateTime{OleDate(2013, 2, 5), 2};
  EXPECT_EQ(FormatQsoLine("UA1AAA", qso),
            "QSO:  3550 CW  UA1AAA        599 001    DX1           579 123\r\n");
  qso.qsoTime = OleDateTime{OleDate(2013, 2, 5, 23, 59, 59.6), 0};  // rounds into the next day
  EXPECT_EQ(FormatQsoLine("UA1AAA", qso).substr(0, 29), "QSO:  3550 CW 2013-02-06 0000");
}

}  // namespace
}  // namespace stats
