// The three forms of the multi-line details and the replacement they are built on.

#include "stats/station/multiline_forms.h"

#include <gtest/gtest.h>

#include "stats/station/replace_all.h"

namespace stats {
namespace {

TEST(ReplaceAll, TakesOccurrencesLeftToRightWithoutSearchingInsertedText) {
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("x<LF>y<LF>", "<LF>", ""), "xy");
  EXPECT_EQ(ReplaceAll("ab", "a", "aa"), "aab");
  EXPECT_EQ(ReplaceAll("<<LF>LF>", "<LF>", ""), "<LF>");  // nor what the removal joins
  EXPECT_EQ(ReplaceAll("same", "am", "am"), "same");
  EXPECT_EQ(ReplaceAll("", "a", "b"), "");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll("ABC", "b", "x"), "ABC");  // case-sensitive
}

TEST(MultiLineForms, ThreeLinesBecomeOneSettingsLineAndComeBackUnchanged) {
  const std::string edit = "Lenina 1\r\nMoscow\r\nRussia";
  const std::string settings = EditToSettingsForm(edit);
  EXPECT_EQ(settings, "Lenina 1<CR><LF>Moscow<CR><LF>Russia");
  EXPECT_EQ(SettingsToEditForm(settings), edit);
  EXPECT_EQ(SettingsToCabrilloForm(settings, "ADDRESS: "),
            "Lenina 1\r\nADDRESS: Moscow\r\nADDRESS: Russia");
  EXPECT_EQ(EditToCabrilloForm(edit, "ADDRESS: "), SettingsToCabrilloForm(settings, "ADDRESS: "));
}

TEST(MultiLineForms, LoneBreaksAndTypedMarksFollowTheEscapingRules) {
  EXPECT_EQ(EditToSettingsForm("a\nb\rc"), "a<LF>b<CR>c");
  EXPECT_EQ(SettingsToEditForm("a<LF>b<CR>c"), "a\nb\rc");
  // A "<CR>" typed as text is stored as typed, starts a new line in the
  // Cabrillo form and comes back from the settings file as a carriage return.
  EXPECT_EQ(EditToSettingsForm("73<CR>GL"), "73<CR>GL");
  EXPECT_EQ(SettingsToCabrilloForm("73<CR>GL", "SOAPBOX: "), "73\r\nSOAPBOX: GL");
  EXPECT_EQ(EditToCabrilloForm("73<CR>GL", "SOAPBOX: "), "73\r\nSOAPBOX: GL");
  EXPECT_EQ(SettingsToEditForm("73<CR>GL"), "73\rGL");
  // A line feed alone ends no Cabrillo line: only "<CR>" does.
  EXPECT_EQ(SettingsToCabrilloForm("a<LF>b", "SOAPBOX: "), "ab");
  // "<CR>" is replaced before "<LF>" is removed, so a mark that the removal
  // forms stays as text.
  EXPECT_EQ(SettingsToCabrilloForm("<C<LF>R>", "SOAPBOX: "), "<CR>");
  EXPECT_EQ(SettingsToCabrilloForm("", "SOAPBOX: "), "");
}

}  // namespace
}  // namespace stats
