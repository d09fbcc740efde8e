#include "stats-host/stats_host.h"

#include <cerrno>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>

#include "files/replacement.h"
#include "files/system_path.h"
#include "logs/text/text_pattern.h"
#include "stats-host/command_line.h"
#include "stats-host/dropped_log.h"
#include "stats-host/report/console_texts.h"
#include "stats-host/report/html_report.h"
#include "stats-host/report/text_report.h"
#include "stats-host/report/tour_repeats.h"
#include "stats-host/run/output_check.h"

namespace stats_host {
namespace {

namespace fs = std::filesystem;
using logs::ReportLanguage;

// The words for a stream: the chosen language where a person reads it,
// English for scripts.
const ConsoleTexts& TextsFor(bool onConsole, ReportLanguage language) {
  return ConsoleTextsOf(onConsole ? language : ReportLanguage::kEnglish);
}

void SayWhatWasNotWritten(const RunResult& result, const ConsoleTexts& texts, std::ostream& err) {
  for (const WrittenFile* file :
       {&result.problemLog, &result.settingsFile, &result.cabrilloLog, &result.htmlPage}) {
    if (file == &result.cabrilloLog && !result.cabrilloAsked) continue;
    if (file == &result.htmlPage && !result.htmlAsked) continue;
    if (!file->written)
      err << logs::Substituted(texts.fileNotWritten, {file->name, file->failure}) << "\n";
  }
  if (result.skipped > 0) {
    err << logs::Substituted(texts.recordsSkipped,
                             {std::to_string(result.skipped), std::to_string(result.records)})
        << "\n";
  }
}

void WriteHtmlReport(files::FileSystem& files, const fs::path& file, ReportLanguage language,
                     PageObservers& pageObservers, const TourRepeatFinder& repeats,
                     const ConsoleTexts& texts, RunResult& result) {
  result.htmlAsked = true;
  result.htmlPage.name = file.string();
  const std::string page =
      HtmlReport(ReportInputOfRun(result, pageObservers, repeats.Repeats()), language);
  const std::optional<files::WriteFailure> failure = files::ReplaceWholeFile(files, file, page);
  result.htmlPage.written = !failure;
  if (!failure) return;
  using Step = files::WriteFailure::Step;
  const std::string_view pattern = failure->step == Step::kCreate  ? texts.pageNotMade
                                   : failure->step == Step::kWrite ? texts.pageNotWhole
                                                                   : texts.pageNotReplaced;
  result.htmlPage.failure =
      logs::Substituted(pattern, {FileProblemText(failure->error, texts.run)});
}

// One run of the plug-in over the log, and its report; with `openPage` the
// HTML page is opened in the browser once it is written.
int Run(const Options& options, ReportLanguage language, const Surroundings& surroundings,
        bool openPage) {
  const ConsoleTexts& outTexts = TextsFor(surroundings.outOnConsole, language);
  const ConsoleTexts& errTexts = TextsFor(surroundings.errOnConsole, language);
  std::optional<fs::path> htmlFile;  // relative to where we were started
  if (options.run.htmlFile) htmlFile = files::AbsolutePath(*options.run.htmlFile);

  // What the reports need besides the plug-in's answers, found as the QSOs are
  // handed over.
  PageObservers pageObservers;
  TourRepeatFinder repeats;
  std::vector<QsoObserver*> observers;
  if (htmlFile) observers = pageObservers.All();
  if (htmlFile || options.repeats) observers.push_back(&repeats);

  files::FileSystem& files = *surroundings.files;
  RunResult result = ScoreLog(files, options.run, errTexts.run, surroundings.err, observers);
  if (htmlFile) {
    WriteHtmlReport(files, *htmlFile, language, pageObservers, repeats, errTexts, result);
  }
  std::ostream& out = surroundings.out;
  errno = 0;  // to tell why the report can not be written, if it can not
  if (options.raw) {
    out << result.summaryText;
  } else {
    out << FormatReport(result, options.repeats ? &repeats.Repeats() : nullptr, outTexts);
  }
  if (surroundings.outOnConsole && !options.raw && result.htmlAsked && result.htmlPage.written) {
    out << "\n" << logs::Substituted(outTexts.htmlWritten, {result.htmlPage.name}) << "\n";
  }
  out.flush();
  SayWhatWasNotWritten(result, errTexts, surroundings.err);
  if (openPage && result.htmlPage.written && surroundings.openInBrowser) {
    surroundings.openInBrowser(*htmlFile);
  }
  return result.Complete() ? kExitScored : kExitIncomplete;
}

// Started from Explorer: a double-click (no argument) or a file dropped onto
// the program (one that is no option). Any other command line in a window of
// its own (a shortcut with options, a scheduled task) runs as it would in cmd,
// and waits for no one unless it fails.
bool StartedByDoubleClick(const std::vector<std::string>& arguments,
                          const Surroundings& surroundings) {
  return surroundings.windowOfItsOwn && arguments.empty();
}
bool StartedByDrop(const std::vector<std::string>& arguments, const Surroundings& surroundings) {
  return surroundings.windowOfItsOwn && arguments.size() == 1 && !arguments[0].starts_with('-');
}

// Everything but the wait for Enter; `language` becomes the one chosen.
int RunAndReport(const std::vector<std::string>& arguments, const Surroundings& surroundings,
                 ReportLanguage& language) {
  std::ostream& out = surroundings.out;
  std::ostream& err = surroundings.err;
  int status = kExitScored;
  try {
    if (StartedByDoubleClick(arguments, surroundings)) {
      out << ShortUsageOf(language);
      return kExitBadInput;
    }
    const bool dropped = StartedByDrop(arguments, surroundings);
    const Options options =
        dropped ? DroppedLogOptions(PathOfArgument(arguments.front()))
                : ParseCommandLine(arguments, TextsFor(surroundings.errOnConsole, language));
    if (options.language) language = *options.language;
    if (options.help) {
      out << HelpText(surroundings.outOnConsole ? language : ReportLanguage::kEnglish);
    } else {
      status = Run(options, language, surroundings, dropped);
    }
  } catch (const UsageError& error) {
    err << "stats-host: " << error.what() << "\n"
        << TextsFor(surroundings.errOnConsole, language).tryHelp << "\n";
    return kExitBadInput;
  } catch (const RunError& error) {
    err << "stats-host: " << error.what() << "\n";
    return error.ExitStatus();
  } catch (const std::bad_alloc&) {
    err << "stats-host: " << TextsFor(surroundings.errOnConsole, language).outOfMemory << "\n";
    return kExitFailed;
  } catch (const std::exception& error) {
    err << "stats-host: " << error.what() << "\n";
    return kExitFailed;
  }
  if (!out.flush()) {
    const ConsoleTexts& texts = TextsFor(surroundings.errOnConsole, language);
    err << "stats-host: " << texts.reportNotWritten
        << (errno != 0 ? ": " + FileProblemText({errno, std::generic_category()}, texts.run)
                       : std::string())
        << "\n";
    if (status == kExitScored) status = kExitIncomplete;
  }
  return status;
}

}  // namespace

int RunStatsHost(const std::vector<std::string>& arguments, const Surroundings& given) {
  std::unique_ptr<files::FileSystem> system;
  Surroundings surroundings = given;
  if (surroundings.files == nullptr) {
    system = files::MakeSystemFileSystem();
    surroundings.files = system.get();
  }
  ReportLanguage language = surroundings.userLanguage;
  const int status = RunAndReport(arguments, surroundings, language);
  // A window of its own closes when the program ends: it waits whenever there
  // is something to read, and after any failure, which would flash by.
  if (StartedByDoubleClick(arguments, surroundings) || StartedByDrop(arguments, surroundings) ||
      (surroundings.windowOfItsOwn && status != kExitScored)) {
    surroundings.out << "\n"
                     << TextsFor(surroundings.outOnConsole, language).pressEnter << std::flush;
    if (surroundings.waitForEnter) surroundings.waitForEnter();
  }
  return status;
}

int RunStatsHost(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  return RunStatsHost(
      arguments, Surroundings{.out = out, .err = err, .userLanguage = logs::UserReportLanguage()});
}

}  // namespace stats_host
