#pragma once

// What one run of stats-host read, handed over, got back and wrote: with what
// the run's observers found, the input of every report on it.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "host/adif/log_warning.h"
#include "host/adif/qso_date.h"

namespace host {

// How many warnings a run keeps; all of them are printed as they come.
inline constexpr std::size_t kKeptWarnings = 1000;

struct RefusedQso {
  std::size_t record = 0;  // the ADIF record
  std::string call;        // as the log has it
  QsoDate date{};
  int secondOfDay = 0;
  std::string band{};
  std::string mode{};
  std::optional<std::string> problemLine;  // its line in err.txt, when this run wrote err.txt
};

struct WrittenFile {
  std::string name;  // err.txt, Plugins/ZORVA.ini, CALL.cbr (in the working folder), the HTML page
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

  WrittenFile problemLog;
  WrittenFile settingsFile;
  bool cabrilloAsked = false;
  WrittenFile cabrilloLog;
  bool htmlAsked = false;
  WrittenFile htmlPage;  // written by stats-host after the run

  // Every record reached the plug-in and every file of the run was written.
  bool Complete() const {
    return skipped == 0 && problemLog.written && settingsFile.written &&
           (!cabrilloAsked || cabrilloLog.written) && (!htmlAsked || htmlPage.written);
  }
};

}  // namespace host
