#pragma once

// The simulated contest as files: each station that sends a log writes it in
// its own format (Cabrillo 2.0 as the plug-in writes it, Cabrillo 3.0 as other
// loggers write it, or ADIF) into logs/, its name in its own encoding, its
// lines ended as its program ends them; and truth.jsonl holds, per log, its
// clock's offset at the start, its true score and each QSO line's truth:
// {"log", "file", "clock_offset_s", "score",
//  "lines": [[line, verdict, right call or null, clock offset], ...]}.

#include <filesystem>

#include "tools/contest-sim/simulation.h"

namespace contest_sim {

// Writes `folder`/logs/ and `folder`/truth.jsonl; throws std::runtime_error
// when a file can not be written.
void WriteContest(const SimulatedContest& contest, const std::filesystem::path& folder);

}  // namespace contest_sim
