#pragma once

// The order in which the outputs list logs, and the results by category.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "crosscheck/check/check_contest.h"

namespace crosscheck {

// The contest's figures: files by what became of them, QSO lines by verdict.
struct ContestTotals {
  std::size_t checked = 0;
  std::size_t superseded = 0;
  std::size_t notRead = 0;
  std::array<std::uint64_t, kVerdictCount> verdicts{};
  std::uint64_t lines = 0;  // of the checked logs
};

ContestTotals TotalsOf(const Contest& contest, const CheckResult& result);

// Every log, by its own call and then its file; files without a call first.
std::vector<LogId> OutputOrder(const Contest& contest);

struct Standing {
  LogId log = 0;
  std::size_t place = 0;  // from 1; equal scores share a place
};

struct CategoryStandings {
  std::string category;  // one of stats::kEntryCategories; empty: none
  std::vector<Standing> logs;
};

// The checked logs by category (in the order of stats::kEntryCategories, no
// category last), each
// by checked score, highest first, then by call.
std::vector<CategoryStandings> Standings(const Contest& contest, const CheckResult& result);

}  // namespace crosscheck
