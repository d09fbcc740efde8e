#pragma once

// What one run of stats-host read, handed over, got back and wrote: the input
// of every report on it (the terminal's, and any other).

#include <cstddef>
#include <string>
#include <vector>

#include "host/log_warning.h"
#include "host/tour_repeats.h"

namespace host {

// How many warnings a run keeps; all of them are printed as they come.
inline constexpr std::size_t kKeptWarnings = 1000;

struct RefusedQso {
  std::size_t record = 0;
  std::string call;
  std::string problemLine;  // its line in err.txt (no line end); empty when err.txt was not written
};

struct OutputFile {
  std::string name;  // relative to the working folder: err.txt, Plugins/ZORVA.ini, CALL.cbr
  bool written = false;
  std::string failure;  // why it was not written
};

struct RunResult {
  std::string logName;
  std::size_t records = 0;  // records in the log
  std::size_t qsos = 0;     // of them, QSOs handed to the plug-in
  std::size_t skipped = 0;  // records that did not reach the plug-in
  std::size_t warningCount = 0;
  std::vector<LogWarning> warnings;  // the first kKeptWarnings, skipped records included

  std::string summaryText;  // as GetResult0 returned it
  int score = 0;            // what GetResult0 wrote into the host's integer
  std::vector<RefusedQso> refused;
  bool repeatsAsked = false;
  std::vector<TourRepeat> repeats;

  OutputFile problemLog;
  OutputFile settingsFile;
  bool cabrilloAsked = false;
  OutputFile cabrilloLog;

  // Every record reached the plug-in and every file it was to write was written.
  bool Complete() const {
    return skipped == 0 && problemLog.written && settingsFile.written &&
           (!cabrilloAsked || cabrilloLog.written);
  }
};

}  // namespace host
