#include "host/stats_host.h"

#include <cerrno>
#include <filesystem>
#include <new>
#include <optional>

#include "host/command_line.h"
#include "host/replace_file.h"
#include "host/report/html_report.h"
#include "host/report/text_report.h"
#include "host/report/tour_repeats.h"
#include "host/run/output_check.h"

namespace host {
namespace {

namespace fs = std::filesystem;

void SayWhatWasNotWritten(const RunResult& result, std::ostream& err) {
  for (const WrittenFile* file :
       {&result.problemLog, &result.settingsFile, &result.cabrilloLog, &result.htmlPage}) {
    if (file == &result.cabrilloLog && !result.cabrilloAsked) continue;
    if (file == &result.htmlPage && !result.htmlAsked) continue;
    if (!file->written) {
      err << "stats-host: " << file->name << " was not written: " << file->failure << "\n";
    }
  }
  if (result.skipped > 0) {
    err << "stats-host: " << result.skipped << " of " << result.records
        << " records were skipped and not scored\n";
  }
}

void WriteHtmlReport(const fs::path& file, const Options& options, PageObservers& pageObservers,
                     const TourRepeatFinder& repeats, RunResult& result) {
  result.htmlAsked = true;
  result.htmlPage.name = file.string();
  const std::string page = HtmlReport(ReportInputOfRun(result, pageObservers, repeats.Repeats()),
                                      options.language ? *options.language : UserReportLanguage());
  result.htmlPage.written = ReplaceFile(file, page);
  if (!result.htmlPage.written) {
    result.htmlPage.failure = WhyNotReplaceable(file).value_or("it could not be replaced");
  }
}

int Run(const Options& options, std::ostream& out, std::ostream& err) {
  std::optional<fs::path> htmlFile;  // relative to where we were started
  if (options.run.htmlFile) htmlFile = fs::absolute(*options.run.htmlFile);

  // What the reports need besides the plug-in's answers, found as the QSOs are
  // handed over.
  PageObservers pageObservers;
  TourRepeatFinder repeats;
  std::vector<QsoObserver*> observers;
  if (htmlFile) observers = pageObservers.All();
  if (htmlFile || options.repeats) observers.push_back(&repeats);

  RunResult result = ScoreLog(options.run, err, observers);
  if (htmlFile) WriteHtmlReport(*htmlFile, options, pageObservers, repeats, result);
  errno = 0;  // to tell why the report can not be written, if it can not
  if (options.raw) {
    out << result.summaryText;
  } else {
    out << FormatReport(result, options.repeats ? &repeats.Repeats() : nullptr);
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
    return error.ExitStatus();
  } catch (const std::bad_alloc&) {
    err << "stats-host: out of memory\n";
    return kExitFailed;
  } catch (const std::exception& error) {
    err << "stats-host: " << error.what() << "\n";
    return kExitFailed;
  }
  if (!out.flush()) {
    err << "stats-host: the report could not be written to standard output"
        << (errno != 0 ? ": " + SystemErrorText(errno) : std::string()) << "\n";
    if (status == kExitScored) status = kExitIncomplete;
  }
  return status;
}

}  // namespace host
