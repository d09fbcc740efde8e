#pragma once

// The multiplier ("Kvant"): a worked station whose exchange begins with "W" is
// a marked station, and each marked station counts once per band in CW and once
// per band in the other contest modes together.
//
// Kept minimal for the cross-check until the rules become a library of their
// own; the plug-in's store counts with the same two functions.

#include <string_view>

#include "stats/rules/modes.h"

namespace stats {

enum class KvantGroup { kCw, kOtherModes };

// Whether the exchange received from a station marks it.
constexpr bool IsMarkedExchange(std::string_view exchangeReceived) noexcept {
  return !exchangeReceived.empty() && exchangeReceived.front() == 'W';
}

// The group in which a marked station worked in this mode (as the host names
// it) counts.
inline KvantGroup KvantGroupOfMode(std::string_view mode) noexcept {
  return ColumnOfMode(mode) == ModeColumn::kCw ? KvantGroup::kCw : KvantGroup::kOtherModes;
}

}  // namespace stats
