#include "stats-host/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace stats_host {
namespace {

using logs::ReportLanguage;

TEST(CommandLine, ReadsEveryOption) {
  const Options options = ParseCommandLine(
      {"--dir", "work", "--cabrillo", "--call=R3KV/P", "--date", "2024-02-18", "--repeats", "--raw",
       "--confirm-details", "--plugin", "x/Stats.dll", "--html", "r.html", "--lang=ru", "log.adi"});
  EXPECT_EQ(options.run.adifFile, "log.adi");
  EXPECT_EQ(options.run.workingFolder, "work");
  EXPECT_EQ(options.run.ownCall, "R3KV/P");
  ASSERT_TRUE(options.run.contestDate);
  EXPECT_EQ(options.run.contestDate->day, 18);
  EXPECT_EQ(options.run.plugin, "x/Stats.dll");
  EXPECT_EQ(options.run.htmlFile, "r.html");
  EXPECT_EQ(options.language, ReportLanguage::kRussian);
  EXPECT_TRUE(options.run.cabrillo && options.repeats && options.raw && options.run.confirmDetails);
}

TEST(CommandLine, DefaultsAndFilesAfterDoubleDash) {
  const Options options = ParseCommandLine({"--", "--odd-name.adi"});
  EXPECT_EQ(options.run.adifFile, "--odd-name.adi");
  EXPECT_EQ(options.run.workingFolder, ".");
  EXPECT_FALSE(options.run.plugin || options.run.ownCall || options.run.contestDate ||
               options.run.htmlFile || options.language);
  EXPECT_FALSE(options.run.cabrillo || options.repeats || options.raw ||
               options.run.confirmDetails);
}

TEST(CommandLine, HelpNeedsNoLog) { EXPECT_TRUE(ParseCommandLine({"-h"}).help); }

TEST(CommandLine, MistakesAreUsageErrors) {
  const std::vector<std::vector<std::string>> mistakes = {
      {},
      {"a.adi", "b.adi"},
      {"--dir"},
      {"--date", "18.02.2024", "a.adi"},
      {"--frobnicate", "a.adi"},
      {"--cabrillo=yes", "a.adi"},
      {"--html", "", "a.adi"},
      {"--lang", "de", "a.adi"},
  };
  for (const auto& arguments : mistakes) {
    EXPECT_THROW(ParseCommandLine(arguments), UsageError) << testing::PrintToString(arguments);
  }
}

TEST(CommandLine, MistakesThatTheLibraryFindsAreInOurWords) {
  const auto said = [](const std::vector<std::string>& arguments, ReportLanguage language) {
    try {
      ParseCommandLine(arguments, ConsoleTextsOf(language));
    } catch (const UsageError& error) {
      return std::string(error.what());
    }
    return std::string("no UsageError");
  };
  EXPECT_EQ(said({"a.adi", "--html="}, ReportLanguage::kEnglish), "--html needs a value");
  EXPECT_EQ(said({"--raw=yes", "a.adi"}, ReportLanguage::kEnglish), "unknown option --raw=yes");
  EXPECT_EQ(said({"a.adi", "--dir"}, ReportLanguage::kRussian), "параметру --dir нужно значение");
}

TEST(CommandLine, HelpNamesThisBuildsPlugin) {
  const std::string help = HelpText();
  EXPECT_EQ(help.find("@PLUGIN@"), std::string::npos);
  EXPECT_NE(help.find("--plugin PATH"), std::string::npos);
}

}  // namespace
}  // namespace stats_host
