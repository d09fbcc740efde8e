#pragma once

// The whole check: clocks estimated, QSOs paired, busted calls and slips in
// one side's time found, every QSO line of every checked log judged, what the
// other log holds nearest found for each NIL, repeats within a tour found,
// and each log's checked score and doubts about its clock. The same logs give the same result in
// any order they were added in, as long as each log's id follows its path (see Contest::Add).

#include <array>
#include <cstdint>
#include <vector>

#include "crosscheck/check/busted_calls.h"
#include "crosscheck/check/check_options.h"
#include "crosscheck/check/clock_estimate.h"
#include "crosscheck/check/contest.h"
#include "crosscheck/check/verdict.h"

namespace crosscheck {

// Why the committee should look at a log's clock.
enum class ClockDoubt : std::uint8_t {
  kNone,
  kWeak,         // the offset rests on fewer than 5 QSOs, or on fewer than half of those
                 // that had a say
  kUnconfirmed,  // after the correction, most of its QSOs with stations that sent a log
                 // are not in their logs within the window
};

struct LogResult {
  ClockEstimate clock;
  ClockDoubt clockDoubt = ClockDoubt::kNone;
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
