#pragma once

// The contest's modes, one row each: only QSOs in these modes are accepted.
// Each row gives the mode's code in the Cabrillo log and the summary column
// that counts it.

#include <array>
#include <string_view>

namespace stats {

enum class ModeColumn { kCw, kSsb, kNone };

struct ContestMode {
  std::string_view name;  // as the host names it; compared exactly
  std::string_view cabrilloCode;
  ModeColumn column;
};

inline constexpr std::array<ContestMode, 4> kContestModes{{
    {"CW", "CW", ModeColumn::kCw},
    {"BPSK63", "PM", ModeColumn::kNone},
    {"BPSK62", "PM", ModeColumn::kNone},
    {"SSB", "PH", ModeColumn::kSsb},
}};

// The row of the mode called `name`; null for a mode the contest does not know.
const ContestMode* FindContestMode(std::string_view name) noexcept;

// Whether QSOs in the mode called `name` count.
inline bool IsContestMode(std::string_view name) noexcept {
  return FindContestMode(name) != nullptr;
}

// The summary column of the mode called `name`; kNone for unknown modes.
ModeColumn ColumnOfMode(std::string_view name) noexcept;

}  // namespace stats
