#pragma once

// What one run of stats-host read, handed over, got back and wrote: with what
// the run's observers found, the input of every report on it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logs/adif/log_warning.h"
#include "logs/time/qso_date.h"

namespace stats_host {

// How many skipped records a run lists; all of them are counted.
inline constexpr std::size_t kListedSkippedRecords = 1000;

struct RefusedQso {
  std::size_t record = 0;  // the ADIF record
  std::string call;        // as the log has it
  logs::QsoDate date{};
  int secondOfDay = 0;
  std::string band{};
  std::string mode{};
  std::optional<std::string> problemLine;  // its line in err.txt, when this run wrote err.txt
  bool noSentNumber = false;               // the log gave it none
  bool noReceivedNumber = false;
};

// A record that did not reach the plug-in.
struct SkippedRecord {
  std::size_t record = 0;
  std::uint64_t offset = 0;
  std::vector<std::string> warnings;  // what was said about it, the reason for the skip last
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
  std::vector<SkippedRecord> skippedRecords;  // the first kListedSkippedRecords

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

}  // namespace stats_host
