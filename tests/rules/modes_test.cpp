// The contest's modes: their names compared exactly, their Cabrillo codes and
// summary columns.

#include "stats/rules/modes.h"

#include <gtest/gtest.h>

namespace stats {
namespace {

TEST(Modes, OnlyTheFourNamesThemselvesAreContestModes) {
  struct Case {
    const char* name;
    const char* cabrilloCode;  // null: not a contest mode
    ModeColumn column;
  };
  constexpr ModeColumn kNone = ModeColumn::kNone;
  for (const Case& c :
       {Case{"CW", "CW", ModeColumn::kCw}, Case{"SSB", "PH", ModeColumn::kSsb},
        Case{"BPSK63", "PM", kNone}, Case{"BPSK62", "PM", kNone}, Case{"cw", nullptr, kNone},
        Case{"CWX", nullptr, kNone}, Case{"SSB ", nullptr, kNone}, Case{" CW", nullptr, kNone},
        Case{"BPSK6", nullptr, kNone}, Case{"BPSK631", nullptr, kNone},
        Case{"BPSK31", nullptr, kNone}, Case{"", nullptr, kNone}}) {
    const ContestMode* const mode = FindContestMode(c.name);
    EXPECT_EQ(mode != nullptr, c.cabrilloCode != nullptr) << '"' << c.name << '"';
    if (mode != nullptr && c.cabrilloCode != nullptr) {
      EXPECT_EQ(mode->cabrilloCode, c.cabrilloCode) << c.name;
    }
    EXPECT_EQ(ColumnOfMode(c.name), c.column) << c.name;
  }
}

TEST(Modes, ACabrilloCodeNamesTheModeItStandsFor) {
  EXPECT_EQ(FindContestModeByCabrilloCode("CW")->name, "CW");
  EXPECT_EQ(FindContestModeByCabrilloCode("PH")->name, "SSB");
  EXPECT_EQ(FindContestModeByCabrilloCode("PM")->column, ModeColumn::kNone);
  EXPECT_EQ(FindContestModeByCabrilloCode("DG")->cabrilloCode, "PM");  // Cabrillo 3.0 digital
  for (const char* other : {"RY", "FM", "cw", "CWX", "P", ""}) {
    EXPECT_EQ(FindContestModeByCabrilloCode(other), nullptr) << other;
  }
}

}  // namespace
}  // namespace stats
