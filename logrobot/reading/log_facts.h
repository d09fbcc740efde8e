#pragma once

// What the robot's answer says about a log, as the shared readers read it:
// its QSO lines by band with the QSOs and Kvant that the contest's rules count
// (as the plug-in counts them: a contest mode and both exchanges), the claimed
// score, the problems found, and the repairs made while reading it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logs/file/log_file.h"

namespace logrobot {

struct BandLine {
  std::string band;  // as the host names it; empty for lines without a band
  std::int64_t lines = 0;
  std::int64_t counted = 0;
  std::int64_t kvant = 0;
};

// Problems that the check will hold against QSO lines, found at upload.
enum class ProblemKind {
  kModeNotCounted,  // a mode the contest does not count
  kNoExchange,      // without both exchanges
  kNoBand,          // no band could be found
  kRepeatInTour,    // the same call, band and mode again within a tour
  kOutsidePeriod,   // outside the contest period
};

struct Problem {
  ProblemKind kind = ProblemKind::kModeNotCounted;
  std::int64_t lines = 0;
  std::uint32_t firstLine = 0;
};

struct LogFacts {
  std::string format;  // "Cabrillo 3.0", "ADIF"
  std::string encoding;
  std::string fileCall;  // what the file says, UTF-8
  std::string fileCategory;
  std::string operatorName;
  std::vector<BandLine> bands;  // in the plug-in's order of bands
  BandLine total;
  std::int64_t score = 0;  // claimed: QSOs counted times Kvant
  std::vector<Problem> problems;
  std::vector<std::string> repairs;  // in the readers' words, UTF-8
};

struct Period {
  std::int64_t from = 0;  // Unix seconds; [from, to)
  std::int64_t to = 0;
};

// The facts of a log that was read (no failure).
LogFacts FactsOfLog(const logs::LogFile& log, const Period& period);

}  // namespace logrobot
