#include "host/adif_reader.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace host {
namespace {

std::string ValueOr(const AdifRecord& record, const char* name, const char* fallback = "-") {
  const std::string* value = record.Find(name);
  return value == nullptr ? fallback : *value;
}

// A file as another logger writes it: free header text, lower-case tags, type
// indicators, fields this program does not know, CR LF and LF mixed.
TEST(AdifReader, ReadsAnotherLoggersConventions) {
  const std::string file =
      "Exported by SomeLog 5.2 on 2013-02-06\r\n"
      "Lines of text; a field in the header: <adif_ver:5>3.1.0\r\n"
      "<programid:7>SomeLog <eoh>\r\n"
      "<call:6>DL1ABC<qso_date:8:D>20130205<time_on:4:T>0907\r\n"
      "<Band:3:E>40m <freq:8:N>7.012345 <mode:2>CW <app_somelog_id:2:N>17\n"
      "<comment:11>it's <fine> <srx_string:3>123 <eor>\n"
      "\n"
      "<CALL:5>UA3AA <QSO_DATE:8>20130205 <TIME_ON:6>091000 <EoR>\r\n";

  const AdifLog log = ParseAdif(file);

  ASSERT_EQ(log.records.size(), 2u);
  const AdifRecord& first = log.records[0];
  EXPECT_EQ(first.number, 1u);
  EXPECT_EQ(first.offset, file.find("<call"));
  EXPECT_TRUE(first.terminated);
  EXPECT_EQ(ValueOr(first, "CALL"), "DL1ABC");
  EXPECT_EQ(ValueOr(first, "QSO_DATE"), "20130205");
  EXPECT_EQ(ValueOr(first, "TIME_ON"), "0907");
  EXPECT_EQ(ValueOr(first, "BAND"), "40m");
  EXPECT_EQ(ValueOr(first, "FREQ"), "7.012345");
  EXPECT_EQ(ValueOr(first, "APP_SOMELOG_ID"), "17");
  EXPECT_EQ(ValueOr(first, "COMMENT"), "it's <fine>");
  EXPECT_EQ(ValueOr(first, "SRX_STRING"), "123");
  EXPECT_EQ(ValueOr(first, "ADIF_VER"), "-") << "header fields are not record fields";
  EXPECT_EQ(log.records[1].number, 2u);
  EXPECT_EQ(ValueOr(log.records[1], "TIME_ON"), "091000");
}

TEST(AdifReader, FileStartingWithTagHasNoHeader) {
  const AdifLog log = ParseAdif("<CALL:4>K1AB<EOR><CALL:4>K2CD<EOR>");
  ASSERT_EQ(log.records.size(), 2u);
  EXPECT_EQ(ValueOr(log.records[0], "CALL"), "K1AB");
  EXPECT_EQ(log.records[1].offset, 17u);
}

TEST(AdifReader, HeaderFieldsWithoutHeaderTextEndAtEoh) {
  const AdifLog log = ParseAdif("<ADIF_VER:5>3.1.4<EOH><CALL:4>K1AB<EOR>");
  ASSERT_EQ(log.records.size(), 1u);
  EXPECT_EQ(ValueOr(log.records[0], "ADIF_VER"), "-");
  EXPECT_EQ(ValueOr(log.records[0], "CALL"), "K1AB");
}

TEST(AdifReader, HeaderTextMayHoldAngleBrackets) {
  const AdifLog log = ParseAdif("Made by <our tool>\n<EOH>\n<CALL:4>K1AB<EOR>");
  ASSERT_EQ(log.records.size(), 1u);
}

TEST(AdifReader, LengthsCountBytesAndValuesPassUnchanged) {
  // "Иван" in UTF-8 is 8 bytes, in Windows-1251 4 bytes.
  const std::string utf8 = "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD";
  const std::string cp1251 = "\xC8\xE2\xE0\xED";
  const AdifLog log =
      ParseAdif("<NAME:8>" + utf8 + "<CALL:4>K1AB<EOR><NAME:4>" + cp1251 + "<CALL:4>K2CD<EOR>");
  ASSERT_EQ(log.records.size(), 2u);
  EXPECT_EQ(ValueOr(log.records[0], "NAME"), utf8);
  EXPECT_EQ(ValueOr(log.records[0], "CALL"), "K1AB");
  EXPECT_EQ(ValueOr(log.records[1], "NAME"), cp1251);
}

TEST(AdifReader, EmptyValuesAndEmptyRecords) {
  const AdifLog log = ParseAdif("<EOR><CALL:0><SRX:3>001<EOR>\r\n<EOR>");
  ASSERT_EQ(log.records.size(), 1u);
  EXPECT_EQ(ValueOr(log.records[0], "CALL"), "");
  EXPECT_EQ(log.records[0].number, 1u);
}

TEST(AdifReader, FirstOfRepeatedFieldsIsFound) {
  const AdifLog log = ParseAdif("<CALL:4>K1AB<CALL:4>K2CD<EOR>");
  EXPECT_EQ(ValueOr(log.records[0], "CALL"), "K1AB");
}

TEST(AdifReader, LastRecordWithoutEorIsTakenAndMarked) {
  const AdifLog log = ParseAdif("<CALL:4>K1AB<EOR>\n<CALL:4>K2CD <MODE:2>CW\n");
  ASSERT_EQ(log.records.size(), 2u);
  EXPECT_TRUE(log.records[0].terminated);
  EXPECT_FALSE(log.records[1].terminated);
  EXPECT_EQ(ValueOr(log.records[1], "MODE"), "CW");
  EXPECT_TRUE(ParseAdif("<CALL:4>K1AB<EOR>\r\n  \r\n").records.back().terminated);
}

struct Malformed {
  const char* name;
  std::string file;
  std::size_t record;
  std::size_t offset;
  const char* reason;  // part of the message
};

// Names the case in test names instead of a dump of its bytes.
void PrintTo(const Malformed& c, std::ostream* os) { *os << c.name; }

class AdifReaderMalformed : public testing::TestWithParam<Malformed> {};

TEST_P(AdifReaderMalformed, StopsNamingRecordAndOffset) {
  const Malformed& c = GetParam();
  try {
    ParseAdif(c.file);
    FAIL() << "no error for " << c.name;
  } catch (const AdifSyntaxError& error) {
    EXPECT_EQ(error.record(), c.record);
    EXPECT_EQ(error.offset(), c.offset);
    const std::string message = error.what();
    EXPECT_NE(message.find("record " + std::to_string(c.record) + ", byte " +
                           std::to_string(c.offset) + ": "),
              std::string::npos)
        << message;
    EXPECT_NE(message.find(c.reason), std::string::npos) << message;
  }
}

// Records are counted from 1 and bytes from 0; the offset is that of the faulty tag's "<".
INSTANTIATE_TEST_SUITE_P(
    AllCases, AdifReaderMalformed,
    testing::Values(
        Malformed{"LengthRunsPastEnd", "<CALL:4>K1AB<EOR><CALL:10>K2CD<EOR>", 2, 17,
                  "runs past the end"},
        Malformed{"LengthRunsPastEndByOne", "h\n<EOH><CALL:5>K1AB", 1, 7, "runs past the end"},
        Malformed{"HugeLength", "<CALL:99999999999999999999999>K1AB<EOR>", 1, 0,
                  "runs past the end"},
        Malformed{"TagNeverClosesAtEnd", "<CALL:4>K1AB<EOR><CALL:4", 2, 17, "never closes"},
        Malformed{"TagNeverClosesBeforeNextTag", "<CALL:4>K1AB<EOR><MODE:2 CW<EOR>", 2, 17,
                  "never closes"},
        Malformed{"LengthNotNumeric", "<CALL:4>K1AB<EOR><CALL:x4>K2CD<EOR>", 2, 17,
                  "not a decimal number"},
        Malformed{"NegativeLength", "<CALL:-4>K1AB<EOR>", 1, 0, "not a decimal number"},
        Malformed{"EmptyLength", "<CALL:>K1AB<EOR>", 1, 0, "not a decimal number"},
        Malformed{"LengthWithBlank", "<CALL: 4>K1AB<EOR>", 1, 0, "not a decimal number"},
        Malformed{"TagWithoutLength", "<CALL:4>K1AB<EOR><CALL:4>K2CD<MODE>CW<EOR>", 2, 29,
                  "has no length"},
        Malformed{"TagWithoutName", "<CALL:4>K1AB<:2>CW<EOR>", 1, 12, "without a name"},
        Malformed{"EohAfterFirstRecord", "<CALL:4>K1AB<EOR><EOH><CALL:4>K2CD<EOR>", 2, 17,
                  "<EOH> after the first record"}),
    [](const testing::TestParamInfo<Malformed>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace host
