#include "stats-host/run/scoring_run.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <new>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include "logs/adif/adif_reader.h"
#include "logs/adif/log_pass.h"
#include "logs/bytes/byte_source.h"
#include "logs/bytes/utf16_bytes.h"
#include "logs/text/text_pattern.h"
#include "stats-host/run/details_answer.h"
#include "stats-host/run/first_pass.h"
#include "stats-host/run/loaded_plugin.h"
#include "stats-host/run/output_check.h"
#include "stats-host/run/output_guard.h"
#include "stats-host/run/plugin_files.h"
#include "stats-host/run/plugin_location.h"
#include "stats-host/run/plugin_summary.h"
#include "stats-host/run/refused_list.h"
#include "stats-host/run/warning_printer.h"
#include "stats/public/plugin_names.h"
#include "stats/rules/file_base_name.h"

namespace stats_host {
namespace {

namespace fs = std::filesystem;
using logs::Substituted;

// A path of the plug-in's, relative to the working folder and spelled the
// Windows way, with "/" between folders.
fs::path InFolder(std::string_view windowsPath) {
  std::string path(windowsPath);
  std::replace(path.begin(), path.end(), '\\', '/');
  return fs::path(path).lexically_normal();
}

// The plug-in's settings file.
fs::path SettingsFile() { return InFolder(stats::kSettingsPath); }

// The first bytes of the file, enough to tell its encoding; empty when it can
// not be read (reading it says why).
std::string StartOf(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::string start(2, '\0');
  file.read(start.data(), static_cast<std::streamsize>(start.size()));
  start.resize(static_cast<std::size_t>(file.gcount()));
  return start;
}

// One pass over the log file (`path`, absolute: the run changes folders); a
// file that is no ADIF log stops the run.
logs::PassCounts ReadLogFile(const fs::path& path, std::optional<logs::Utf16Order> utf16,
                             const RunRequest& request, const RunTexts& texts,
                             const logs::WarningSink& warn,
                             const std::function<void(const logs::HostQso&)>& take) {
  const std::string name = request.adifFile.string();
  try {
    logs::FileBytes bytes(path);
    if (!utf16) return logs::ReadQsos(bytes, request.ownCall, warn, take);
    logs::Utf16AsUtf8 converted(bytes, *utf16);
    return logs::ReadQsos(converted, request.ownCall, warn, take);
  } catch (const logs::AdifSyntaxError& error) {
    throw RunError(kExitBadInput, Substituted(texts.logMalformed, {name, error.what()}));
  } catch (const logs::ReadError& error) {
    throw RunError(kExitBadInput, Substituted(texts.logUnreadable, {name, error.what()}));
  }
}

void EnterWorkingFolder(const fs::path& folder, const RunTexts& texts) {
  std::error_code error;
  fs::create_directories(folder / SettingsFile().parent_path(), error);
  if (!error) fs::current_path(folder, error);
  if (error) {
    throw RunError(kExitFailed,
                   Substituted(texts.workingFolderUnusable, {folder.string(), error.message()}));
  }
}

// The files of the plug-in as they were before the run, to tell afterwards
// which of them this run wrote.
struct OutputsBefore {
  std::optional<std::string> problemLogBlocked;
  std::optional<FileStamp> cabrillo;
};

void CheckOutputs(RunResult& result, const OutputsBefore& before, const RunTexts& texts) {
  WrittenFile& problemLog = result.problemLog;
  if (before.problemLogBlocked) {
    problemLog.failure = *before.problemLogBlocked;
  } else {
    std::vector<std::string> calls;
    calls.reserve(result.refused.size());
    for (const RefusedQso& refused : result.refused) calls.push_back(refused.call);
    if (auto lines = ProblemLinesFor(problemLog.name, calls)) {
      problemLog.written = true;
      for (std::size_t i = 0; i < lines->size(); ++i) {
        result.refused[i].problemLine = std::move((*lines)[i]);
      }
    } else {
      problemLog.failure = DeviceIsFull(".") ? texts.noSpaceLeft : texts.problemLinesMissing;
    }
  }

  WrittenFile& settings = result.settingsFile;
  // The score as the summary text gives it: with a Cabrillo log the host's
  // integer holds -1 instead.
  const std::optional<long long> score = ParsePluginSummary(result.summaryText).score;
  if (score && HoldsClaimedScore(settings.name, *score)) {
    settings.written = true;
  } else {
    settings.failure =
        WhyNotReplaceable(settings.name, texts)
            .value_or(Substituted(texts.claimedMissing, {score ? std::to_string(*score) : "?"}));
  }

  if (result.cabrilloAsked) {
    WrittenFile& cabrillo = result.cabrilloLog;
    const auto after = StampOf(cabrillo.name);
    if (!after || after == before.cabrillo) {
      cabrillo.failure =
          WhyNotReplaceable(cabrillo.name, texts).value_or(std::string(texts.notReplaced));
    } else if (!HoldsWholeCabrilloLog(cabrillo.name)) {
      cabrillo.failure = texts.cabrilloNotWhole;
    } else {
      cabrillo.written = true;
    }
  }
}

// Tells a QSO that the contest rules refused, which gets its line in err.txt,
// from one the plug-in could not take at all (AddData0 fails without a line
// when it runs out of memory). Only where err.txt can be written.
class RefusalWatch {
 public:
  explicit RefusalWatch(bool problemLogWritable) : on_(problemLogWritable) { LineWritten(); }

  // After a refused QSO: whether err.txt grew.
  bool LineWritten() {
    if (!on_) return true;
    std::error_code error;
    const std::uintmax_t size = fs::file_size(stats::kProblemLogPath, error);
    if (error) return true;  // nothing to tell by
    const bool grown = size > size_;
    size_ = size;
    return grown;
  }

 private:
  bool on_;
  std::uintmax_t size_ = 0;
};

class PluginFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What err.txt holds after the plug-in was reset: its banner, unless the
// device took none.
std::string_view ProblemLogAfterReset(const RunTexts& texts) {
  if (ProblemLinesFor(stats::kProblemLogPath, {})) return texts.problemLogBannerOnly;
  std::error_code error;
  if (fs::file_size(stats::kProblemLogPath, error) == 0 && !error) return texts.problemLogEmpty;
  return texts.problemLogNotAfresh;
}

// Second pass: each QSO goes to the plug-in as soon as it is read, and then to
// the observers. When memory runs out, on this side or in the plug-in, the
// observers let go of what they hold and the plug-in is reset again, so that
// its store is freed and err.txt holds only its banner: no file is left with a
// part of the log.
void HandOver(const fs::path& logFile, std::optional<logs::Utf16Order> utf16,
              const RunRequest& request, const RunTexts& texts, LoadedPlugin& plugin,
              bool problemLogWritable, const std::vector<QsoObserver*>& observers,
              RunResult& result) {
  std::string failure;
  try {
    RefusalWatch refusals(problemLogWritable);
    ReadLogFile(
        logFile, utf16, request, texts, [](const logs::LogWarning&) {},
        [&](const logs::HostQso& qso) {
          const bool stored = plugin.Add(qso);
          if (!stored && !refusals.LineWritten()) {
            throw PluginFailure(
                Substituted(texts.pluginTookNothing,
                            {std::to_string(qso.record),
                             DeviceIsFull(".") ? texts.noSpaceLeft : texts.outOfMemoryOrFullDisk}));
          }
          ++result.qsos;
          for (QsoObserver* observer : observers) observer->OnQso(HandedQso{qso, stored});
        });
    return;
  } catch (const RunError& changed) {
    throw RunError(kExitFailed, Substituted(texts.logChanged, {changed.what()}));
  } catch (const std::bad_alloc&) {
    failure = Substituted(texts.outOfMemoryAfter, {std::to_string(result.qsos)});
  } catch (const std::exception& stop) {  // PluginFailure, or a table that can not grow
    failure = stop.what();
  }
  for (QsoObserver* observer : observers) observer->OnAbandon();
  plugin.Reset(false, "", std::nullopt);
  throw RunError(kExitFailed,
                 Substituted(texts.nothingScored, {failure, ProblemLogAfterReset(texts)}));
}

// The files that no output of the run may be.
KeptFiles KeptFilesOfRun(const fs::path& logFile, const fs::path& plugin,
                         const std::string& cabrilloName, const fs::path& workingFolder,
                         const RunTexts& texts) {
  std::error_code error;
  const fs::path folder = fs::absolute(workingFolder, error);
  const std::string settings = SettingsFile().generic_string();
  const std::string companion = InFolder(stats::kCompanionCommandLine).generic_string();
  const std::string problemLog(stats::kProblemLogPath);
  const std::string cabrilloLines(stats::kCabrilloIncludePath);
  return {{logFile, std::string(texts.keptLog)},
          {plugin, std::string(texts.keptPlugin)},
          {{folder / problemLog, Substituted(texts.keptProblemLog, {problemLog})},
           {folder / settings, Substituted(texts.keptSettings, {settings})},
           {folder / cabrilloName, Substituted(texts.keptCabrillo, {cabrilloName})}},
          {{folder / cabrilloLines, Substituted(texts.keptCabrilloLines, {cabrilloLines})},
           {folder / companion, Substituted(texts.keptCompanion, {companion})}}};
}

// The log file by its absolute path (the run changes folders), and its byte
// order when it is UTF-16.
struct LogInput {
  fs::path file;
  std::optional<logs::Utf16Order> utf16;
};

LogInput FindLog(const RunRequest& request, const RunTexts& texts, std::ostream& err) {
  const std::string name = request.adifFile.string();
  std::error_code error;
  LogInput log{fs::absolute(request.adifFile, error), std::nullopt};
  if (error || !fs::is_regular_file(log.file, error)) {
    throw RunError(kExitBadInput, Substituted(texts.logNotAFile, {name}));
  }
  log.utf16 = logs::Utf16OrderOf(StartOf(log.file));
  if (log.utf16) err << Substituted(texts.logIsUtf16, {name}) << "\n";
  return log;
}

// First pass: the whole log is checked, and every warning given, before
// anything is written. A log without a QSO to score stops the run.
FirstPass CheckLog(const LogInput& log, const RunRequest& request, const RunTexts& texts,
                   std::ostream& err, RunResult& result) {
  const std::string& name = result.logName;
  WarningPrinter printer(err, name, texts);
  SkippedRecord said;  // about the record being read
  const logs::WarningSink keep = [&](logs::LogWarning warning) {
    printer.Print(warning);
    ++result.warningCount;
    if (warning.record != said.record) said = SkippedRecord{warning.record, warning.offset, {}};
    said.warnings.push_back(std::move(warning.text));
    if (!warning.skipped) return;
    ++result.skipped;
    if (result.skippedRecords.size() < kListedSkippedRecords) {
      said.offset = warning.offset;
      result.skippedRecords.push_back(std::move(said));
    }
    said = {};
  };
  FirstPass pass;
  logs::PassCounts counts;
  try {
    counts = ReadLogFile(log.file, log.utf16, request, texts, keep,
                         [&](const logs::HostQso& qso) { pass.Take(qso); });
  } catch (const std::bad_alloc&) {
    throw RunError(kExitFailed, std::string(texts.outOfMemoryReading));
  }
  printer.PrintCounts();
  result.records = counts.records;
  if (!pass.First()) {
    throw RunError(kExitNothingToScore, counts.records == 0
                                            ? Substituted(texts.noQsoRecord, {name})
                                            : Substituted(texts.noScorableRecord,
                                                          {name, std::to_string(counts.records)}));
  }
  return pass;
}

// What the plug-in is reset with, and where it is.
struct RunPlan {
  std::string contestantCall;
  logs::QsoDate contestDate;
  fs::path pluginFile;
};

// The run's contestant, date and plug-in, and the name of its Cabrillo log;
// a run whose output would overwrite a file it reads stops.
RunPlan PlanRun(const LogInput& log, const FirstPass& pass, const RunRequest& request,
                const RunTexts& texts, std::ostream& err, RunResult& result) {
  RunPlan plan{pass.ContestantCall(request.ownCall, result.logName, texts, err),
               request.contestDate ? *request.contestDate : pass.First()->date,
               fs::absolute(request.plugin ? *request.plugin : DefaultPluginPath())};
  result.cabrilloLog.name =
      stats::FileBaseName(plan.contestantCall) + std::string(stats::kCabrilloExtension);
  if (const auto clash =
          OutputOverAKeptFile(KeptFilesOfRun(log.file, plan.pluginFile, result.cabrilloLog.name,
                                             request.workingFolder, texts),
                              request.htmlFile, texts)) {
    throw RunError(kExitBadInput, Substituted(texts.outputClash, {*clash}));
  }
  return plan;
}

LoadedPlugin LoadPlugin(const fs::path& pluginFile, const RunTexts& texts) {
  try {
    return LoadedPlugin(pluginFile);
  } catch (const PluginLoadError& loadError) {
    throw RunError(
        kExitBadInput,
        loadError.EntryPoint().empty()
            ? Substituted(texts.pluginNotLoaded, {loadError.Path().string(), loadError.Reason()})
            : Substituted(texts.pluginLacksEntryPoint,
                          {loadError.Path().string(), loadError.EntryPoint(), loadError.Reason()}));
  }
}

struct ResetState {
  OutputsBefore before;
  bool detailsConfirmed = true;  // or not asked for
};

// Enters the working folder, notes the plug-in's files as they are and resets
// the plug-in, answering its station-details question when the run asks for a
// Cabrillo log.
ResetState ResetInWorkingFolder(LoadedPlugin& plugin, const RunPlan& plan,
                                const RunRequest& request, const RunTexts& texts,
                                RunResult& result) {
  EnterWorkingFolder(request.workingFolder, texts);
  result.problemLog.name = std::string(stats::kProblemLogPath);
  result.settingsFile.name = SettingsFile().generic_string();
  result.cabrilloAsked = request.cabrillo;
  ResetState state{
      {WhyNotWritable(result.problemLog.name, texts), StampOf(result.cabrilloLog.name)}};
  std::optional<DetailsAnswer> answer;  // the station-details question comes with --cabrillo
  if (request.cabrillo) answer.emplace(request.confirmDetails);
  plugin.Reset(request.cabrillo, plan.contestantCall, plan.contestDate);
  if (answer && request.confirmDetails) state.detailsConfirmed = answer->Confirmed();
  return state;
}

// The plug-in's result after every QSO was handed over.
void TakeResult(LoadedPlugin& plugin, const RunTexts& texts, RunResult& result) {
  const PluginResult contest = plugin.Result();
  if (contest.summaryText.empty()) {
    throw RunError(kExitFailed, std::string(texts.noResult));
  }
  result.summaryText = contest.summaryText;
  result.score = contest.score;
}

}  // namespace

RunResult ScoreLog(const RunRequest& request, const RunTexts& texts, std::ostream& err,
                   const std::vector<QsoObserver*>& observers) {
  RunResult result;
  result.logName = request.adifFile.string();
  const LogInput log = FindLog(request, texts, err);
  const FirstPass pass = CheckLog(log, request, texts, err, result);
  const RunPlan plan = PlanRun(log, pass, request, texts, err, result);
  LoadedPlugin plugin = LoadPlugin(plan.pluginFile, texts);

  const ResetState reset = ResetInWorkingFolder(plugin, plan, request, texts, result);
  RefusedList refused;
  std::vector<QsoObserver*> all{&refused};
  all.insert(all.end(), observers.begin(), observers.end());
  HandOver(log.file, log.utf16, request, texts, plugin, !reset.before.problemLogBlocked, all,
           result);
  result.refused = refused.Take();
  TakeResult(plugin, texts, result);
  CheckOutputs(result, reset.before, texts);
  if (!reset.detailsConfirmed) {
    // The dialog could not be shown (no desktop), which the plug-in takes as
    // CANCEL: the details asked to be saved were not.
    result.settingsFile.written = false;
    result.settingsFile.failure = texts.detailsNotShown;
  }
  return result;
}

}  // namespace stats_host
