#pragma once

// stats-host from its command line to its exit status.

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "files/file_system.h"
#include "logs/text/report_language.h"
#include "stats-host/run/scoring_run.h"

namespace stats_host {

// Where stats-host meets the person who started it: main gives the system's,
// tests their own.
struct Surroundings {
  std::ostream& out;  // the report
  std::ostream& err;  // warnings and errors
  // A person reads the stream on a console: it speaks the chosen language.
  // Otherwise it goes to a file or a pipe and speaks English, for scripts.
  bool outOnConsole = false;
  bool errOnConsole = false;
  logs::ReportLanguage userLanguage = logs::ReportLanguage::kEnglish;  // without --lang
  // In a console window of its own that closes when the program ends. Then,
  // started without arguments it shows a short usage, and a log dropped onto
  // it (the only argument) is scored beside the log; both wait for Enter
  // before they end, and so does any run that fails (two logs dropped at
  // once, say), whose message would otherwise vanish with the window.
  bool windowOfItsOwn = false;
  std::function<bool(const std::filesystem::path& page)> openInBrowser = {};
  std::function<void()> waitForEnter = {};
  // What the run checks and writes goes through it; null: the system's own.
  files::FileSystem* files = nullptr;
};

// `arguments` without the program name, in UTF-8. The exit status: 0 when
// every record reached the plug-in and every file and the report were
// written; kExitIncomplete when records were skipped or a file or the report
// was not written (the report still comes, and says what); kExitBadInput for
// a bad command line, a log that can not be read or is malformed, or a
// plug-in that can not be loaded; kExitNothingToScore for a log without a QSO
// to score; kExitFailed when the working folder can not be used or memory
// runs out.
int RunStatsHost(const std::vector<std::string>& arguments, const Surroundings& surroundings);

// For scripts: `out` and `err` are files or pipes, the HTML page speaks the
// user's language unless --lang says otherwise.
int RunStatsHost(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace stats_host
