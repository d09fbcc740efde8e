#pragma once

// The targets the plug-in's speed is held to, checked against a finished run.

#include <ostream>

#include "bench/speedup_table.h"

namespace stats::bench {

inline constexpr const char* kAddAccepted = "AddQsoAccepted";
inline constexpr const char* kAddRefused = "AddQsoRefused";
inline constexpr const char* kProblemLogOpenClose = "ProblemLogOpenClose";
inline constexpr const char* kProblemLogThere = "ProblemLogIsThere";
inline constexpr const char* kCheckRepeat = "CheckCallRepeat";
inline constexpr const char* kCheckNewCall = "CheckCallNewCall";
inline constexpr const char* kRemove = "RemoveQso";
inline constexpr const char* kResult = "GetResult";

// Prints each target with the figures it was judged on and "met" or "NOT met".
void PrintGoals(const SpeedupTable& table, std::ostream& out);

}  // namespace stats::bench
