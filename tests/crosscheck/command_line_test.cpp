// crosscheck's options as the check receives them, and the command lines it
// refuses with a message naming what is wrong.

#include "crosscheck/command_line.h"

#include <gtest/gtest.h>

#include <functional>

#include "crosscheck/run.h"
#include "logs/time/qso_date.h"

namespace {

using crosscheck::CheckOptions;

struct OptionCase {
  std::string name;
  std::vector<std::string> arguments;  // before "--out out log.cbr"
  std::string refusal;                 // part of the usage message; empty: accepted
  std::function<void(CheckOptions&)> expected = [](CheckOptions&) {};
};

std::size_t Index(crosscheck::Verdict verdict) { return static_cast<std::size_t>(verdict); }

const OptionCase kOptions[] = {
    {"Defaults", {}, ""},
    {"Window", {"--window", "10"}, "", [](CheckOptions& o) { o.windowSeconds = 600; }},
    {"MinLogs", {"--min-logs", "1"}, "", [](CheckOptions& o) { o.minLogs = 1; }},
    {"CountUniques", {"--count-uniques"}, "", [](CheckOptions& o) { o.countUniques = true; }},
    {"Period",
     {"--from", "2024-02-18 10:00", "--to", "2024-02-18T1100"},
     "",
     [](CheckOptions& o) {
       o.from = logs::SecondsSinceOleEpoch(logs::QsoDate{2024, 2, 18}, 10 * 3600);
       o.to = *o.from + 3600;
     }},
    {"FromAfterTo", {"--from", "2024-02-18 11:00", "--to", "2024-02-18 10:00"}, "is not before"},
    {"FromEqualToTo", {"--from", "2024-02-18 11:00", "--to", "2024-02-18 11:00"}, "is not before"},
    {"FromNotAMoment", {"--from", "18.02.2024"}, "--from wants"},
    {"BandsAsTheLogsNameThem",
     {"--bands", "160,80M, 40m"},
     "",
     [](CheckOptions& o) {
       o.bands = {"160", "80", "40"};
     }},
    {"BandNotKnown", {"--bands", "80,7"}, "--bands: \"7\" is not a band"},
    {"Penalties",
     {"--penalty", "nil=2,busted-call=1"},
     "",
     [](CheckOptions& o) {
       o.penalties[Index(crosscheck::Verdict::kNil)] = 2;
       o.penalties[Index(crosscheck::Verdict::kBustedCall)] = 1;
     }},
    {"PenaltyOfNoVerdict", {"--penalty", "late=1"}, "not \"late=1\""},
    {"NegativePenalty", {"--penalty", "nil=-1"}, "not \"nil=-1\""},
    {"WindowOutOfRange", {"--window", "-1"}, "--window"},
};

void PrintTo(const OptionCase& option, std::ostream* out) { *out << option.name; }

class CommandLineOption : public testing::TestWithParam<OptionCase> {};

TEST_P(CommandLineOption, ReachesTheCheckOrIsRefused) {
  const OptionCase& option = GetParam();
  std::vector<std::string> arguments = option.arguments;
  arguments.insert(arguments.end(), {"--out", "out", "log.cbr"});
  const crosscheck::CommandLine line = crosscheck::ParseCommandLine(arguments);
  if (!option.refusal.empty()) {
    EXPECT_TRUE(line.usageError);
    EXPECT_FALSE(line.options);
    EXPECT_NE(line.message.find(option.refusal), std::string::npos) << line.message;
    return;
  }
  ASSERT_TRUE(line.options) << line.message;
  CheckOptions expected;
  option.expected(expected);
  const CheckOptions& parsed = line.options->check;
  EXPECT_EQ(parsed.windowSeconds, expected.windowSeconds);
  EXPECT_EQ(parsed.minLogs, expected.minLogs);
  EXPECT_EQ(parsed.countUniques, expected.countUniques);
  EXPECT_EQ(parsed.from, expected.from);
  EXPECT_EQ(parsed.to, expected.to);
  EXPECT_EQ(parsed.bands, expected.bands);
  EXPECT_EQ(parsed.penalties, expected.penalties);
}

INSTANTIATE_TEST_SUITE_P(Options, CommandLineOption, testing::ValuesIn(kOptions),
                         [](const testing::TestParamInfo<OptionCase>& info) {
                           return info.param.name;
                         });

TEST(CommandLineTexts, HelpAndUsageHintSpeakTheConsolesLanguage) {
  using logs::ReportLanguage;
  for (const ReportLanguage language : {ReportLanguage::kEnglish, ReportLanguage::kRussian}) {
    const crosscheck::ConsoleTexts& texts = crosscheck::ConsoleTextsOf(language);
    const std::string_view firstLine = texts.description.substr(0, texts.description.find('\n'));
    EXPECT_TRUE(crosscheck::ParseCommandLine({"--help"}, texts).message.starts_with(firstLine));
    const crosscheck::CommandLine missingOut = crosscheck::ParseCommandLine({"log.cbr"}, texts);
    EXPECT_TRUE(missingOut.usageError);
    EXPECT_TRUE(missingOut.message.ends_with(texts.runHelp)) << missingOut.message;
  }
  EXPECT_EQ(crosscheck::ConsoleLanguage({"--out", "o", "--lang", "ru", "l"}),
            ReportLanguage::kRussian);
  EXPECT_EQ(crosscheck::ConsoleLanguage({"--lang=en"}), ReportLanguage::kEnglish);
}

}  // namespace
