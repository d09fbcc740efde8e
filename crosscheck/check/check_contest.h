#pragma once

// The whole check: clocks estimated, QSOs paired, busted calls found, every
// QSO line of every checked log judged, repeats within a tour found, and each
// log's checked score. The same logs give the same result in any order they
// were added in, as long as each log's id follows its path (see Contest::Add).

#include <array>
#include <cstdint>
#include <vector>

#include "crosscheck/check/busted_calls.h"
#include "crosscheck/check/check_options.h"
#include "crosscheck/check/clock_estimate.h"
#include "crosscheck/check/contest.h"
#include "crosscheck/check/verdict.h"

namespace crosscheck {

struct LogResult {
  ClockEstimate clock;
  std::array<std::uint32_t, kVerdictCount> verdicts{};  // QSO lines per verdict
  std::uint32_t counted = 0;                            // QSOs that count: the points
  std::int64_t penalty = 0;                             // points taken off
  std::uint32_t kvant = 0;
  std::int32_t checked = 0;  // the checked score
};

struct CheckResult {
  std::vector<Judgement> judgements;  // by QsoId; default for logs not checked
  std::vector<LogResult> logs;        // by LogId
  CallIndex calls;
};

CheckResult CheckContest(const Contest& contest, const CheckOptions& options);

}  // namespace crosscheck
