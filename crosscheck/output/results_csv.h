#pragma once

// results.csv: the results by category, one row per checked log (UTF-8,
// comma-separated, quoted where needed):
//   category, place, call, claimed, checked, reduction_percent, qso_lines,
//   points, penalty, kvant, clock_offset_s, file
// where checked = (points - penalty) x kvant, by the contest's rules.

#include <string>
#include <vector>

#include "crosscheck/output/standings.h"

namespace crosscheck {

std::string ResultsCsv(const Contest& contest, const CheckResult& result,
                       const std::vector<CategoryStandings>& standings);

}  // namespace crosscheck
