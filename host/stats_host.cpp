#include "host/stats_host.h"

#include <new>

#include "host/command_line.h"
#include "host/report.h"

namespace host {
namespace {

void SayWhatWasNotWritten(const RunResult& result, std::ostream& err) {
  for (const OutputFile* file : {&result.problemLog, &result.settingsFile, &result.cabrilloLog}) {
    if (file == &result.cabrilloLog && !result.cabrilloAsked) continue;
    if (!file->written) {
      err << "stats-host: " << file->name << " was not written: " << file->failure << "\n";
    }
  }
  if (result.skipped > 0) {
    err << "stats-host: " << result.skipped << " of " << result.records
        << " records were skipped and not scored\n";
  }
}

int Run(const Options& options, std::ostream& out, std::ostream& err) {
  const RunResult result = ScoreLog(options, err);
  if (options.raw) {
    out << result.summaryText;
  } else {
    out << FormatReport(result);
  }
  SayWhatWasNotWritten(result, err);
  return result.Complete() ? kExitScored : kExitIncomplete;
}

}  // namespace

int RunStatsHost(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  int status = kExitScored;
  try {
    const Options options = ParseCommandLine(arguments);
    if (options.help) {
      out << HelpText();
    } else {
      status = Run(options, out, err);
    }
  } catch (const UsageError& error) {
    err << "stats-host: " << error.what() << "\nTry 'stats-host --help'.\n";
    return kExitBadInput;
  } catch (const RunError& error) {
    err << "stats-host: " << error.what() << "\n";
    return error.exitStatus();
  } catch (const std::bad_alloc&) {
    err << "stats-host: out of memory\n";
    return kExitFailed;
  }
  if (!out.flush()) {
    err << "stats-host: the report could not be written to standard output\n";
    if (status == kExitScored) status = kExitIncomplete;
  }
  return status;
}

}  // namespace host
