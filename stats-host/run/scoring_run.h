#pragma once

// The run itself: the log read and checked in a first pass, the plug-in loaded
// and reset, the log read again and each QSO handed over as it is read, the
// result taken, and the plug-in's files checked.

#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "logs/time/qso_date.h"
#include "stats-host/run/qso_observer.h"
#include "stats-host/run/run_result.h"
#include "stats-host/run/run_texts.h"

namespace stats_host {

inline constexpr int kExitScored = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitIncomplete = 3;
inline constexpr int kExitNothingToScore = 4;

// What a run is asked to do.
struct RunRequest {
  std::filesystem::path adifFile;
  std::optional<std::filesystem::path> plugin;  // default: the one built or shipped beside us
  std::filesystem::path workingFolder = ".";
  std::optional<std::string> ownCall;
  std::optional<logs::QsoDate> contestDate;
  bool cabrillo = false;
  bool confirmDetails = false;
  // The HTML page that the program writes after the run (--html): the run does
  // not start when it would be a file that the run reads or writes.
  std::optional<std::filesystem::path> htmlFile;
};

// A run that stops: the exit status and the message.
class RunError : public std::runtime_error {
 public:
  RunError(int exitStatus, const std::string& message)
      : std::runtime_error(message), exitStatus_(exitStatus) {}
  int ExitStatus() const { return exitStatus_; }

 private:
  int exitStatus_;
};

// Warnings go to `err` as they come, in the words of `texts`, which also word
// the RunError thrown and the reasons why a file was not written; each
// `observer` sees every QSO handed over. Nothing is written to disk before the
// whole log has been read, it holds a QSO to score and the plug-in has been
// loaded. Throws RunError.
RunResult ScoreLog(const RunRequest& request, const RunTexts& texts, std::ostream& err,
                   const std::vector<QsoObserver*>& observers);

}  // namespace stats_host
