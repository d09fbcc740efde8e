// The reader's syntax: records, headers, offsets, and the malformed files that
// stop a run.

#include "logs/adif/adif_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "tests/support/adif_records.h"

namespace logs {
namespace {

using logs_test::OwnedRecord;

std::vector<OwnedRecord> ParseAdif(std::string_view bytes) {
  return logs_test::ReadAll(bytes).records;
}

std::string ValueOr(const OwnedRecord& record, const char* name) { return record.ValueOr(name); }

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

  const logs_test::ReadLog log = logs_test::ReadAll(file);
  const auto& records = log.records;

  ASSERT_EQ(records.size(), 2u);
  EXPECT_TRUE(log.warnings.empty());
  const OwnedRecord& first = records[0];
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
  EXPECT_EQ(records[1].number, 2u);
  EXPECT_EQ(ValueOr(records[1], "TIME_ON"), "091000");
}

TEST(AdifReader, FileStartingWithTagHasNoHeader) {
  const auto records = ParseAdif("<CALL:4>K1AB<EOR><CALL:4>K2CD<EOR>");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(ValueOr(records[0], "CALL"), "K1AB");
  EXPECT_EQ(records[1].offset, 17u);
}

TEST(AdifReader, HeaderFieldsWithoutHeaderTextEndAtEoh) {
  const auto records = ParseAdif("<ADIF_VER:5>3.1.4<EOH><CALL:4>K1AB<EOR>");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(ValueOr(records[0], "ADIF_VER"), "-");
  EXPECT_EQ(ValueOr(records[0], "CALL"), "K1AB");
}

struct HeaderCase {
  const char* name;
  std::string file;
  std::vector<std::string> calls;  // of the records read
  std::string warning;             // part of the one warning given, or empty for none
};

void PrintTo(const HeaderCase& c, std::ostream* os) { *os << c.name; }

class AdifReaderHeader : public testing::TestWithParam<HeaderCase> {};

// A file whose first byte, after a byte-order mark, is "<" has no header;
// any other has one up to the first <EOH> outside a field's value.
TEST_P(AdifReaderHeader, EndsAtTheFirstEohOutsideAValue) {
  const logs_test::ReadLog log = logs_test::ReadAll(GetParam().file);
  std::vector<std::string> calls;
  for (const OwnedRecord& record : log.records) calls.push_back(ValueOr(record, "CALL"));
  EXPECT_EQ(calls, GetParam().calls);
  if (GetParam().warning.empty()) {
    EXPECT_TRUE(log.warnings.empty()) << log.warnings.front().text;
  } else {
    ASSERT_EQ(log.warnings.size(), 1u);
    EXPECT_EQ(log.warnings[0].record, 0u);
    EXPECT_NE(log.warnings[0].text.find(GetParam().warning), std::string::npos)
        << log.warnings[0].text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllCases, AdifReaderHeader,
    testing::Values(
        HeaderCase{"ByteOrderMarkThenRecords",
                   "\xEF\xBB\xBF<CALL:4>K1AB<EOR>\n<CALL:4>K2CD<EOR>",
                   {"K1AB", "K2CD"},
                   ""},
        HeaderCase{"ByteOrderMarkAndEohInAComment",
                   "\xEF\xBB\xBF<CALL:4>K1AB<COMMENT:9>see <EOH><EOR>\n<CALL:4>K2CD<EOR>",
                   {"K1AB", "K2CD"},
                   ""},
        HeaderCase{"EohInAHeaderFieldsValue",
                   "Made by us <PROGRAMID:7>a <EOH> <EOH>\n<CALL:4>K1AB<EOR>",
                   {"K1AB"},
                   ""},
        HeaderCase{"TextRunningIntoRecordsWithoutEoh",
                   "log\n<CALL:4>K1AB<EOR><CALL:4>K2CD<EOR>",
                   {"K1AB", "K2CD"},
                   ""},
        HeaderCase{"ExampleRecordInTheHeader",
                   "A record looks like <CALL:4>K1AB<EOR>\n<EOH>\n<CALL:4>K2CD<EOR>",
                   {"K2CD"},
                   "the header text holds 1 whole record (fields ended by <EOR>) before its "
                   "<EOH>, an example perhaps; it is part of the header, not a QSO"},
        HeaderCase{"EohAfterRecordsOfHeaderText",
                   "log\n<CALL:4>K1AB<EOR><EOH>",
                   {},
                   "the header text holds 1 whole record"}),
    [](const testing::TestParamInfo<HeaderCase>& info) { return std::string(info.param.name); });

TEST(AdifReader, HeaderTextMayHoldAngleBrackets) {
  const auto records = ParseAdif("Made by <our tool>\n<EOH>\n<CALL:4>K1AB<EOR>");
  ASSERT_EQ(records.size(), 1u);
}

TEST(AdifReader, LengthsCountBytesAndValuesPassUnchanged) {
  // "Иван" in UTF-8 is 8 bytes, in Windows-1251 4 bytes.
  const std::string utf8 = "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD";
  const std::string cp1251 = "\xC8\xE2\xE0\xED";
  const auto records =
      ParseAdif("<NAME:8>" + utf8 + "<CALL:4>K1AB<EOR><NAME:4>" + cp1251 + "<CALL:4>K2CD<EOR>");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(ValueOr(records[0], "NAME"), utf8);
  EXPECT_EQ(ValueOr(records[0], "CALL"), "K1AB");
  EXPECT_EQ(ValueOr(records[1], "NAME"), cp1251);
}

TEST(AdifReader, EmptyValuesAndEmptyRecords) {
  const auto records = ParseAdif("<EOR><CALL:0><SRX:3>001<EOR>\r\n<EOR>");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(ValueOr(records[0], "CALL"), "");
  EXPECT_EQ(records[0].number, 1u);
}

TEST(AdifReader, LastRecordWithoutEorIsTakenAndMarked) {
  const auto records = ParseAdif("<CALL:4>K1AB<EOR>\n<CALL:4>K2CD <MODE:2>CW\n");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_TRUE(records[0].terminated);
  EXPECT_FALSE(records[1].terminated);
  EXPECT_EQ(ValueOr(records[1], "MODE"), "CW");
  EXPECT_TRUE(ParseAdif("<CALL:4>K1AB<EOR>\r\n  \r\n").back().terminated);
}

// A source that hands over a few bytes at a time, so that every tag and value
// of a file crosses the end of what has been read at some point.
class Trickle final : public ByteSource {
 public:
  explicit Trickle(std::string_view bytes) : rest_(bytes) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t count = std::min({size, rest_.size(), std::size_t{1} + calls_++ % 5});
    std::copy_n(rest_.data(), count, buffer);
    rest_.remove_prefix(count);
    return count;
  }

 private:
  std::string_view rest_;
  std::size_t calls_ = 0;
};

TEST(AdifReader, ReadsTheSameHoweverTheBytesArrive) {
  const std::string file =
      "header <with> text\r\n<EOH>\n<CALL:4>K1AB<NOTES:12>two\nlines<EOR>\n"
      "<call:4>K2CD <Mode:2:S>CW junk <CALL:4>K3EF<eor><CALL:4>K4GH";
  const logs_test::ReadLog whole = logs_test::ReadAll(file);
  std::vector<std::string> seen;
  Trickle trickle(file);
  std::size_t warnings = 0;
  AdifReader reader(trickle, [&](const LogWarning&) { ++warnings; });
  while (const AdifRecord* record = reader.Next()) {
    std::string text = std::to_string(record->number) + "@" + std::to_string(record->offset);
    for (const AdifField& field : record->fields) {
      text.append(" ").append(field.name).append("@").append(std::to_string(field.offset));
      text.append("=").append(field.value);
    }
    seen.push_back(text);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"1@26 CALL@26=K1AB NOTES@38=two\nlines",
                                            "2@63 CALL@63=K2CD MODE@76=CW CALL@94=K3EF",
                                            "3@111 CALL@111=K4GH"}));
  EXPECT_EQ(whole.records.size(), 3u);
  EXPECT_EQ(warnings, whole.warnings.size());
  EXPECT_EQ(warnings, 4u) << "line break, junk, CALL twice, no <EOR>";
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

// The rest of the file is read; the fault is named in a warning, or as the
// reason why the file ends inside a record.
TEST_P(AdifReaderMalformed, IsNamedWithRecordAndOffset) {
  const Malformed& c = GetParam();
  const logs_test::ReadLog log = logs_test::ReadAll(c.file);
  std::vector<LogWarning> said = log.warnings;
  for (const OwnedRecord& record : log.records) {
    if (!record.cutShort.empty()) said.push_back({record.number, record.offset, record.cutShort});
  }
  EXPECT_TRUE(std::any_of(said.begin(), said.end(), [&](const LogWarning& warning) {
    return warning.record == c.record && warning.offset == c.offset &&
           warning.text.find(c.reason) != std::string::npos;
  })) << (said.empty() ? "nothing said" : said.back().text);
}

TEST(AdifReader, RecordsAndHeadersHaveALimit) {
  const std::string huge(17 << 20, 'x');
  const auto records = ParseAdif("<CALL:4>K1AB<EOR><NOTES:20000000>" + huge);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1].cutShort, "the file ends inside the value of <NOTES:20000000>");
  try {
    logs_test::ReadAll(huge + "<CALL:4>K1AB<EOR>");
    FAIL() << "a header over 16 MiB was read";
  } catch (const AdifSyntaxError& error) {
    EXPECT_EQ(error.what(), std::string("header, byte 0: no <EOH> or <EOR> in the first 16 MiB"));
  }
}

// Records are counted from 1 (0: the header) and bytes from 0; the offset is
// that of the faulty tag's "<".
INSTANTIATE_TEST_SUITE_P(
    AllCases, AdifReaderMalformed,
    testing::Values(Malformed{"LengthRunsPastEnd", "<CALL:4>K1AB<EOR><CALL:10>K2CD <EO", 2, 17,
                              "the file ends inside the value of <CALL:10>"},
                    Malformed{"LengthRunsPastEndByOne", "h\n<EOH><CALL:5>K1AB", 1, 7,
                              "the file ends inside the value"},
                    Malformed{"HugeLength", "<CALL:99999999999999999999999>K1AB\n", 1, 0,
                              "the file ends inside the value"},
                    Malformed{"TagNeverClosesAtEnd", "<CALL:4>K1AB<EOR><CALL:4", 2, 17,
                              "the file ends inside the tag \"<CALL:4\""},
                    Malformed{"TagNeverClosesBeforeNextTag", "<CALL:4>K1AB<EOR><MODE:2 CW<EOR>", 2,
                              17, "ignored: \"<MODE:2 CW\""},
                    Malformed{"LengthNotNumeric", "<CALL:4>K1AB<EOR><CALL:x4>K2CD<EOR>", 2, 17,
                              "ignored: \"<CALL:x4>K2CD\""},
                    Malformed{"NegativeLength", "<CALL:-4>K1AB<EOR>", 1, 0, "ignored"},
                    Malformed{"EmptyLength", "<CALL:>K1AB<EOR>", 1, 0, "ignored"},
                    Malformed{"LengthWithBlank", "<CALL: 4>K1AB<EOR>", 1, 0, "ignored"},
                    Malformed{"TagWithoutLength", "<CALL:4>K1AB<EOR><CALL:4>K2CD<MODE>CW<EOR>", 2,
                              29, "ignored: \"<MODE>CW\""},
                    Malformed{"TagWithoutName", "<CALL:4>K1AB<:2>CW<EOR>", 1, 12,
                              "ignored: \"<:2>CW\""},
                    Malformed{"EohAfterFirstRecord", "<CALL:4>K1AB<EOR><EOH><CALL:4>K2CD<EOR>", 0,
                              17, "a second header"}),
    [](const testing::TestParamInfo<Malformed>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace logs
