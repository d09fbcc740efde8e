// A category written any way a log writes it stands for one of the station
// dialog's entry categories, or for none when it is unclear.

#include "stats/rules/entry_category.h"

#include <gtest/gtest.h>

namespace {

struct Written {
  std::string_view text;
  std::string_view category;  // empty: unclear
};

constexpr Written kWritten[] = {
    {"SOAB-MIXED-LP", "SOAB - MIX - LP"},
    {"SINGLE-OP NON-ASSISTED ALL MIXED LOW ONE", "SOAB - MIX - LP"},  // Cabrillo 3.0's parts
    {"single-op all low cw", "SOAB-CW-LP"},
    {"SO-PH-HIGH", "SOAB - SSB - HP"},
    {"SOAB SSB QRP", "SOAB - SSB - LP"},
    {"MULTI-ONE ALL HIGH", "MOAB - MIX"},
    {"MULTI-OP ALL CW", "MOAB - MIX"},
    {"", ""},
    {"SOAB-CW", ""},            // no power
    {"SINGLE-OP ALL LOW", ""},  // no mode
    {"CW LP", ""},              // no operators
    {"SO-80M-CW-LP", ""},       // one band
    {"SOAB-CW-SSB-LP", ""},     // two modes
    {"SOAB-RTTY-LP", ""},       // a mode of no category
    {"CHECKLOG", ""},
    {"SOAB-CW-LP-YL", ""},  // a word of no category
};

TEST(EntryCategory, OfEachWayOfWritingIt) {
  for (const Written& written : kWritten) {
    EXPECT_EQ(stats::EntryCategoryOf(written.text).value_or(""), written.category) << written.text;
  }
}

TEST(EntryCategory, OfEachOfTheDialogIsItself) {
  for (const std::string_view category : stats::kEntryCategories) {
    EXPECT_EQ(stats::EntryCategoryOf(category).value_or(""), category);
  }
}

}  // namespace
