#include "stats/rules/modes.h"

namespace stats {

const ContestMode* FindContestMode(std::string_view name) noexcept {
  for (const ContestMode& mode : kContestModes) {
    if (mode.name == name) return &mode;
  }
  return nullptr;
}

const ContestMode* FindContestModeByCabrilloCode(std::string_view code) noexcept {
  if (code == "DG") code = "PM";
  for (const ContestMode& mode : kContestModes) {
    if (mode.cabrilloCode == code) return &mode;
  }
  return nullptr;
}

ModeColumn ColumnOfMode(std::string_view name) noexcept {
  const ContestMode* const mode = FindContestMode(name);
  return mode == nullptr ? ModeColumn::kNone : mode->column;
}

}  // namespace stats
