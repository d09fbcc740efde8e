#pragma once

// How the organisers want the contest checked.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "crosscheck/check/verdict.h"

namespace crosscheck {

struct CheckOptions {
  std::int64_t windowSeconds = 180;  // how far apart two logs' times of one QSO may be
  int minLogs = 3;                   // a no-log QSO counts when its call is in this many logs
  bool countUniques = false;
  std::optional<std::int64_t> from;  // the contest's period, in the QSOs' seconds: [from, to)
  std::optional<std::int64_t> to;
  std::vector<std::string> bands;  // the bands the contest counts; empty: all of them
  // Points taken off the log's points for each QSO with the verdict.
  std::array<std::int64_t, kVerdictCount> penalties{};
};

}  // namespace crosscheck
