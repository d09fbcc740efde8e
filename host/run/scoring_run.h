#pragma once

// The run itself: the log read and checked in a first pass, the plug-in loaded
// and reset, the log read again and each QSO handed over as it is read, the
// result taken, and the plug-in's files checked.

#include <ostream>
#include <stdexcept>
#include <string>

#include "host/command_line.h"
#include "host/run/run_result.h"

namespace host {

inline constexpr int kExitScored = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitIncomplete = 3;
inline constexpr int kExitNothingToScore = 4;

// A run that stops: the exit status and the message.
class RunError : public std::runtime_error {
 public:
  RunError(int exitStatus, const std::string& message)
      : std::runtime_error(message), exitStatus_(exitStatus) {}
  int exitStatus() const { return exitStatus_; }

 private:
  int exitStatus_;
};

// Warnings go to `err` as they come. Nothing is written to disk before the
// whole log has been read, it holds a QSO to score and the plug-in has been
// loaded. Throws RunError.
RunResult ScoreLog(const Options& options, std::ostream& err);

}  // namespace host
