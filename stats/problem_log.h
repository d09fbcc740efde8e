#pragma once

// The problem log "err.txt": a banner written at every reset, then one line per
// QSO that the entry rules refused. The file is open only during the call that
// writes it; failures to open or write it are not reported.

#include <optional>
#include <string>
#include <string_view>

#include "stats/platform/stdio_files.h"
#include "stats/public/plugin_names.h"
#include "stats/qso.h"

namespace stats {

// The rejected-QSO line, with its line feed.
std::string FormatRejectedLine(const Qso& qso, std::string_view ending);

class ProblemLog {
 public:
  explicit ProblemLog(std::string path = std::string(kProblemLogPath)) : path_(std::move(path)) {}

  // Truncates (or creates) the file and writes the banner.
  void Restart();
  // Opens for appending for the duration of one call; closed by CloseAppend()
  // or at the latest when the log is destroyed.
  void OpenForAppend();
  void WriteRejected(std::string_view ending, const Qso& qso);
  void CloseAppend();

 private:
  std::string path_;
  std::optional<OutputFile> appending_;
};

}  // namespace stats
