#pragma once

// The order in which the outputs list logs, and the results by category.

#include <cstddef>
#include <string>
#include <vector>

#include "crosscheck/check/check_contest.h"

namespace crosscheck {

// Every log, by its own call and then its file; files without a call first.
std::vector<LogId> OutputOrder(const Contest& contest);

struct Standing {
  LogId log = 0;
  std::size_t place = 0;  // from 1; equal scores share a place
};

struct CategoryStandings {
  std::string category;  // as the logs give it; empty: none given
  std::vector<Standing> logs;
};

// The checked logs by category (in the order of the category's text), each
// by checked score, highest first, then by call.
std::vector<CategoryStandings> Standings(const Contest& contest, const CheckResult& result);

}  // namespace crosscheck
