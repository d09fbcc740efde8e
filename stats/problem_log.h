#pragma once

// The problem log "err.txt": a banner written at every reset, then one line per
// QSO that the entry rules refused. The file is open only during the call that
// writes it; failures to open or write it are not reported.

#include <optional>
#include <string>
#include <string_view>

#include "stats/platform/stdio_files.h"
#include "stats/ole_date.h"

namespace stats {

inline constexpr std::string_view kProblemLogPath = "err.txt";
inline constexpr std::string_view kProblemLogBanner = "Pesdra VELK TEST UBN file \n";
inline constexpr std::string_view kNoContestModeEnding = "   No contest mode !!!";
inline constexpr std::string_view kNoRxNumberEnding = "   NO RX NUMBER !!!";

// The QSO as the host handed it to the plug-in.
struct QsoArguments {
  std::string_view ownCall;
  std::string_view call;
  OleDateTime qsoTime;
  unsigned frequencyHz = 0;
  std::string_view mode;
  std::string_view rstSent;
  std::string_view rstReceived;
  std::string_view exchangeSent;
  std::string_view exchangeReceived;
  std::string_view band;
};

// The rejected-QSO line, with its line feed.
std::string FormatRejectedLine(const QsoArguments& qso, std::string_view ending);

class ProblemLog {
 public:
  explicit ProblemLog(std::string path = std::string(kProblemLogPath)) : path_(std::move(path)) {}

  // Truncates (or creates) the file and writes the banner.
  void Restart();
  // Opens for appending for the duration of one call; closed by CloseAppend()
  // or at the latest when the log is destroyed.
  void OpenForAppend();
  void WriteRejected(std::string_view ending, const QsoArguments& qso);
  void CloseAppend();

 private:
  std::string path_;
  std::optional<OutputFile> appending_;
};

}  // namespace stats
