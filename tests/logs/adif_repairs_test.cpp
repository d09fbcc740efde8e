// What the reader repairs, and warns about, in logs as other programs really
// write them: a length counted for other bytes, a field given twice, text
// between fields; and the lengths it takes as they stand.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/adif_records.h"

namespace logs {
namespace {

using logs_test::ReadAll;
using logs_test::ReadLog;

std::vector<std::string> Calls(const ReadLog& log) {
  std::vector<std::string> calls;
  for (const auto& record : log.records) calls.push_back(record.ValueOr("CALL"));
  return calls;
}

std::string QsoWith(const std::string& call, const std::string& more = "") {
  return "<CALL:" + std::to_string(call.size()) + ">" + call +
         "<QSO_DATE:8>20240218<TIME_ON:4>1500" + more + "<EOR>\n";
}

TEST(AdifRepairs, NotesCountedWithCrLfInAFileConvertedToLf) {
  // Written with "<NOTES:13>first\r\nsecond" and then converted to LF, the
  // length now reaches one byte into the next tag.
  const std::string log = QsoWith("UA3AA", "<NOTES:13>first\nsecond") + QsoWith("UA3BB") +
                          QsoWith("UA3CC", "<NOTES:13>first\nsecond<RST_SENT:3>599");
  const ReadLog read = ReadAll(log);
  EXPECT_EQ(Calls(read), (std::vector<std::string>{"UA3AA", "UA3BB", "UA3CC"}));
  EXPECT_EQ(read.records[0].ValueOr("NOTES"), "first\nsecond");
  EXPECT_EQ(read.records[2].ValueOr("RST_SENT"), "599");
  ASSERT_EQ(read.warnings.size(), 2u);
  const std::size_t notes = log.find("<NOTES");
  EXPECT_EQ(read.warnings[0].record, 1u);
  EXPECT_EQ(read.warnings[0].offset, notes);
  EXPECT_EQ(read.warnings[0].text, "the length of <NOTES:13> runs into the tag <EOR> at byte " +
                                       std::to_string(log.find("<EOR>")) +
                                       "; the value is cut there, to 12 bytes");
  EXPECT_EQ(read.warnings[1].record, 3u);
  EXPECT_NE(read.warnings[1].text.find("runs into the tag <RST_SENT:3>"), std::string::npos);
}

TEST(AdifRepairs, Windows1251TextCountedAsUtf8) {
  // "Иван Петров" has 11 bytes in Windows-1251 and 21 in UTF-8: the stated
  // length swallows the whole next field.
  const std::string name = "\xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2";
  const std::string log = "<NAME:21>" + name + "<MODE:2>CW<CALL:5>UA3AA<EOR>\n" + QsoWith("UA3BB");
  const ReadLog read = ReadAll(log);
  ASSERT_EQ(read.records.size(), 2u);
  EXPECT_EQ(read.records[0].ValueOr("NAME"), name);
  EXPECT_EQ(read.records[0].ValueOr("MODE"), "CW");
  EXPECT_EQ(read.records[0].ValueOr("CALL"), "UA3AA");
  ASSERT_EQ(read.warnings.size(), 1u);
  EXPECT_EQ(read.warnings[0].offset, 0u);
}

TEST(AdifRepairs, LengthRunningPastTheEndOfTheFileStopsAtTheLastTag) {
  const ReadLog read = ReadAll(QsoWith("UA3AA") + "<CALL:20>UA3BB<EOR>\n");
  EXPECT_EQ(Calls(read), (std::vector<std::string>{"UA3AA", "UA3BB"}));
  EXPECT_EQ(read.warnings.size(), 1u);
}

TEST(AdifRepairs, TextThatIsNoTagStaysInTheValue) {
  const ReadLog read = ReadAll("<COMMENT:25>a <b> <CALL> <EOR <X:y> <<EOR><CALL:4>K1AB<EOR>");
  ASSERT_EQ(read.records.size(), 2u);
  EXPECT_EQ(read.records[0].ValueOr("COMMENT"), "a <b> <CALL> <EOR <X:y> <");
  EXPECT_TRUE(read.warnings.empty());
}

TEST(AdifRepairs, FieldGivenTwiceKeepsTheFirstValueWithAWarning) {
  const std::string log = "<CALL:4>K1AB<call:4>K2CD<EOR>";
  const ReadLog read = ReadAll(log);
  EXPECT_EQ(read.records.at(0).ValueOr("CALL"), "K1AB");
  ASSERT_EQ(read.warnings.size(), 1u);
  EXPECT_EQ(read.warnings[0].offset, 12u);
  EXPECT_EQ(read.warnings[0].text, "the field CALL comes again; its first value counts");
}

TEST(AdifRepairs, TextBetweenFieldsIsWarnedAboutUnlessBlank) {
  const std::string log =
      "Header text\n<EOH>\r\n<CALL:4>K1AB \t\r\n<MODE:2>CW oops<EOR>\n\n<CALL:4>K2CD<EOR>x\n";
  const ReadLog read = ReadAll(log);
  EXPECT_EQ(Calls(read), (std::vector<std::string>{"K1AB", "K2CD"}));
  ASSERT_EQ(read.warnings.size(), 2u);
  EXPECT_EQ(read.warnings[0].record, 1u);
  EXPECT_EQ(read.warnings[0].offset, log.find("oops"));
  EXPECT_EQ(read.warnings[0].text, "text between fields is ignored: \"oops\"");
  EXPECT_EQ(read.warnings[1].record, 3u);
  EXPECT_EQ(read.warnings[1].text, "text between fields is ignored: \"x\"");
}

struct TrustedLength {
  const char* name;
  std::string log;  // its first record has the CALL UA3BBB
  const char* field;
  const char* value;
  std::size_t records;
};

void PrintTo(const TrustedLength& c, std::ostream* os) { *os << c.name; }

class AdifTrustedLengths : public testing::TestWithParam<TrustedLength> {};

// A length that ends at a blank, a tag or the end of the file is right, even
// when the value holds a tag of its own.
TEST_P(AdifTrustedLengths, TakeTheValueWhole) {
  const ReadLog read = ReadAll(GetParam().log);
  EXPECT_EQ(read.records.size(), GetParam().records);
  EXPECT_TRUE(read.warnings.empty()) << read.warnings.at(0).text;
  EXPECT_EQ(read.records.at(0).ValueOr("CALL"), "UA3BBB");
  EXPECT_EQ(read.records.at(0).ValueOr(GetParam().field), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    AllCases, AdifTrustedLengths,
    testing::Values(
        TrustedLength{"CommentBeforeTheCall",
                      "<COMMENT:26>pse QSL via <CALL:6>UA3ZZZ" + QsoWith("UA3BBB"), "COMMENT",
                      "pse QSL via <CALL:6>UA3ZZZ", 1},
        TrustedLength{"EndOfRecordInAComment",
                      "<COMMENT:24>I typed <EOR> by mistake" + QsoWith("UA3BBB") + QsoWith("UA3CC"),
                      "COMMENT", "I typed <EOR> by mistake", 2},
        TrustedLength{"ExchangeInNotes",
                      QsoWith("UA3BBB", "<NOTES:33>exch was <SRX_STRING:4>W123 first <SRX:3>123"),
                      "SRX_STRING", "-", 1},
        TrustedLength{"BlankAfterTheValue", "<COMMENT:13>see <CALL:1>X \n" + QsoWith("UA3BBB"),
                      "COMMENT", "see <CALL:1>X", 1}),
    [](const testing::TestParamInfo<TrustedLength>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace logs
