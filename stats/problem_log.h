#pragma once

// The problem log "err.txt": a banner written at every reset, then one line per
// QSO that the entry rules refused. The file is open only during the call that
// writes it; failures to open or write it are not reported.

#include <memory>
#include <string>
#include <string_view>

#include "stats/platform/platform.h"
#include "stats/qso.h"

namespace stats {

// The rejected-QSO line, without its line end.
std::string FormatRejectedLine(const Qso& qso, std::string_view ending);

// Lines end in CR LF, whatever the system.
class ProblemLog {
 public:
  explicit ProblemLog(Platform& platform) : platform_(platform) {}

  // Truncates (or creates) the file and writes the banner.
  void Restart();
  // Opens for appending for the duration of one call; closed by CloseAppend()
  // or at the latest when the log is destroyed.
  void OpenForAppend();
  void WriteRejected(std::string_view ending, const Qso& qso);
  void CloseAppend();
  // For a call that writes no line: creates the file empty when it is missing,
  // and leaves it unopened when it is there.
  void EnsureExists();

 private:
  Platform& platform_;
  std::unique_ptr<AppendingFile> appending_;
};

}  // namespace stats
