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

#include "files/file_stamp.h"
#include "files/folders.h"
#include "files/replacement.h"
#include "files/system_path.h"
#include "logs/adif/adif_reader.h"
#include "logs/adif/log_pass.h"
#include "logs/bytes/byte_source.h"
#include "logs/bytes/digested_bytes.h"
#include "logs/bytes/utf16_bytes.h"
#include "logs/text/text_pattern.h"
#include "stats-host/run/details_answer.h"
#include "stats-host/run/first_pass.h"
#include "stats-host/run/loaded_plugin.h"
#include "stats-host/run/output_check.h"
#include "stats-host/run/output_guard.h"
#include "stats-host/run/plugin_file_path.h"
#include "stats-host/run/plugin_files.h"
#include "stats-host/run/plugin_location.h"
#include "stats-host/run/plugin_summary.h"
#include "stats-host/run/refused_list.h"
#include "stats-host/run/warning_printer.h"
#include "stats/public/cabrillo_layout.h"
#include "stats/public/plugin_names.h"
#include "stats/rules/exchange.h"
#include "stats/rules/file_base_name.h"
#include "stats/rules/modes.h"

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

// What one pass over the log found, and the bytes it read.
struct LogPass {
  logs::PassCounts counts;
  logs::BytesRead bytes;
};

// One pass over the log file (`path`, absolute: the run changes folders); a
// file that is no ADIF log stops the run.
LogPass ReadLogFile(const fs::path& path, std::optional<logs::Utf16Order> utf16,
                    const RunRequest& request, const RunTexts& texts, const logs::WarningSink& warn,
                    const std::function<void(const logs::HostQso&)>& take,
                    const std::function<void(const logs::SkippedQso&)>& skip = {}) {
  const std::string name = request.adifFile.string();
  try {
    logs::FileBytes file(path);
    logs::DigestedBytes bytes(file);
    LogPass pass;
    if (!utf16) {
      pass.counts = logs::ReadQsos(bytes, request.ownCall, warn, take, skip);
    } else {
      logs::Utf16AsUtf8 converted(bytes, *utf16);
      pass.counts = logs::ReadQsos(converted, request.ownCall, warn, take, skip);
    }
    pass.bytes = bytes.Total();
    return pass;
  } catch (const logs::AdifSyntaxError& error) {
    throw RunError(kExitBadInput, Substituted(texts.logMalformed, {name, error.what()}));
  } catch (const logs::ReadError& error) {
    throw RunError(kExitBadInput, Substituted(texts.logUnreadable, {name, error.what()}));
  }
}

// The log as the first pass read it: which file it was, and its bytes. The
// second pass must read the same, or what was checked is not what was scored.
struct CheckedLog {
  std::optional<files::FileStamp> file;
  logs::BytesRead bytes;
};

// Why the log that the second pass read is not the one the first pass checked;
// nothing when it is.
std::optional<std::string> LogChange(const fs::path& path, const CheckedLog& checked,
                                     const logs::BytesRead& read, const RunTexts& texts) {
  const std::optional<files::FileStamp> now = files::StampOf(path);
  if (!now || !checked.file || now->id != checked.file->id) {
    return std::string(texts.logReplaced);
  }
  if (now->size != checked.bytes.size) {
    return Substituted(texts.logResized,
                       {std::to_string(checked.bytes.size), std::to_string(now->size)});
  }
  if (read != checked.bytes) return std::string(texts.logRewritten);
  return std::nullopt;
}

void EnterWorkingFolder(files::FileSystem& files, const fs::path& folder, const RunTexts& texts) {
  std::error_code error = files::CreateFolders(files, folder / SettingsFile().parent_path());
  if (!error) fs::current_path(folder, error);
  if (error) {
    throw RunError(kExitFailed, Substituted(texts.workingFolderUnusable,
                                            {folder.string(), FileProblemText(error, texts)}));
  }
}

// The files of the plug-in as they were before the run, to tell afterwards
// which of them this run wrote.
struct OutputsBefore {
  std::optional<std::string> problemLogBlocked;
  std::optional<files::FileStamp> cabrillo;
};

std::uint64_t SizeOf(const fs::path& file) {
  const std::optional<files::FileStamp> stamp = files::StampOf(file);
  return stamp ? stamp->size : 0;
}

// Why the plug-in did not replace its Cabrillo log: what is in the way of a
// file of the least size it can have; else, where there is no room for one
// a few times that size, most likely that.
std::string CabrilloNotReplaced(files::FileSystem& files, const fs::path& file,
                                std::uint64_t leastBytes, const RunTexts& texts) {
  if (auto why = WhyNotReplaceable(files, file, leastBytes, texts)) return *why;
  constexpr std::uint64_t kLikelyTimesLeast = 4;
  const std::error_code room = files::RoomFor(files, files::AbsolutePath(file).parent_path(),
                                              leastBytes * kLikelyTimesLeast);
  if (room) return Substituted(texts.notReplacedForWantOfRoom, {FileProblemText(room, texts)});
  return std::string(texts.notReplaced);
}

void CheckOutputs(files::FileSystem& files, RunResult& result, const OutputsBefore& before,
                  std::uint64_t leastCabrilloBytes, const RunTexts& texts) {
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
      problemLog.failure = WhyNotAppendable(files, problemLog.name, true, texts)
                               .value_or(std::string(texts.problemLinesMissing));
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
        WhyNotReplaceable(files, settings.name, SizeOf(settings.name), texts)
            .value_or(Substituted(texts.claimedMissing, {score ? std::to_string(*score) : "?"}));
  }

  if (result.cabrilloAsked) {
    WrittenFile& cabrillo = result.cabrilloLog;
    const fs::path path = PluginFilePath(cabrillo.name);
    const auto after = files::StampOf(path);
    if (!after || after == before.cabrillo) {
      cabrillo.failure = CabrilloNotReplaced(files, path, leastCabrilloBytes, texts);
    } else if (!HoldsWholeCabrilloLog(path)) {
      cabrillo.failure = texts.cabrilloNotWhole;
    } else {
      cabrillo.written = true;
    }
  }
}

// Whether the contest's entry rules refuse the QSO, as the plug-in applies
// them: then it writes a line in err.txt, else it stores the QSO.
bool RulesRefuse(const logs::HostQso& qso) {
  return !stats::IsContestMode(qso.mode) ||
         !stats::HasBothExchanges(qso.exchangeSent, qso.exchangeReceived);
}

// The fewest bytes that the Cabrillo log's line of a stored QSO can take: the
// texts of the QSO that it holds as they are, and a line end.
std::uint64_t LeastCabrilloLineBytes(const logs::HostQso& qso, const std::string& contestantCall) {
  return contestantCall.size() + qso.call.size() + qso.rstSent.size() + qso.exchangeSent.size() +
         qso.rstReceived.size() + qso.exchangeReceived.size() + 2;
}

class PluginFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What err.txt holds after the plug-in was reset: its banner, unless the
// device took none.
std::string_view ProblemLogAfterReset(const RunTexts& texts) {
  if (ProblemLinesFor(stats::kProblemLogPath, {})) return texts.problemLogBannerOnly;
  const std::optional<files::FileStamp> stamp = files::StampOf(stats::kProblemLogPath);
  if (stamp && stamp->size == 0) return texts.problemLogEmpty;
  return texts.problemLogNotAfresh;
}

// Second pass: each QSO goes to the plug-in as soon as it is read, and then to
// the observers. When memory runs out, on this side or in the plug-in, or the
// log turns out not to be the one the first pass checked, the observers let go
// of what they hold and the plug-in is reset again, so that its store is freed
// and err.txt holds only its banner: no file is left with a part of the log.
// Returns the fewest bytes the Cabrillo log's QSO lines take.
std::uint64_t HandOver(const fs::path& logFile, std::optional<logs::Utf16Order> utf16,
                       const CheckedLog& checked, const RunRequest& request, const RunTexts& texts,
                       const std::string& contestantCall, LoadedPlugin& plugin,
                       const std::vector<QsoObserver*>& observers, RunResult& result) {
  std::string failure;
  try {
    std::uint64_t cabrilloBytes = 0;
    const LogPass pass = ReadLogFile(
        logFile, utf16, request, texts, [](const logs::LogWarning&) {},
        [&](const logs::HostQso& qso) {
          const bool stored = plugin.Add(qso);
          // A refused QSO whose line did not fit into err.txt is still a
          // refusal; a QSO that the rules accept is not stored only when the
          // plug-in ran out of memory.
          if (!stored && !RulesRefuse(qso)) {
            throw PluginFailure(Substituted(texts.pluginTookNothing, {std::to_string(qso.record)}));
          }
          if (stored) cabrilloBytes += LeastCabrilloLineBytes(qso, contestantCall);
          ++result.qsos;
          for (QsoObserver* observer : observers) observer->OnQso(HandedQso{qso, stored});
        },
        [&](const logs::SkippedQso& skipped) {
          for (QsoObserver* observer : observers) observer->OnSkipped(skipped);
        });
    const auto change = LogChange(logFile, checked, pass.bytes, texts);
    if (!change) return cabrilloBytes;
    failure = Substituted(texts.logChanged, {*change});
  } catch (const RunError& changed) {
    failure = Substituted(texts.logChanged, {changed.what()});
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
  const fs::path folder = files::AbsolutePath(workingFolder);
  const std::string settings = SettingsFile().generic_string();
  const std::string companion = InFolder(stats::kCompanionCommandLine).generic_string();
  const std::string problemLog(stats::kProblemLogPath);
  const std::string cabrilloLines(stats::kCabrilloIncludePath);
  return {
      {logFile, std::string(texts.keptLog)},
      {plugin, std::string(texts.keptPlugin)},
      {{folder / problemLog, Substituted(texts.keptProblemLog, {problemLog})},
       {folder / settings, Substituted(texts.keptSettings, {settings})},
       {folder / PluginFilePath(cabrilloName), Substituted(texts.keptCabrillo, {cabrilloName})}},
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
  LogInput log{files::AbsolutePath(request.adifFile), std::nullopt};
  if (!fs::is_regular_file(log.file, error)) {
    throw RunError(kExitBadInput, Substituted(texts.logNotAFile, {name}));
  }
  log.utf16 = logs::Utf16OrderOf(StartOf(log.file));
  if (log.utf16) err << Substituted(texts.logIsUtf16, {name}) << "\n";
  return log;
}

// What the first pass found in the log, and what it read.
struct CheckedPass {
  FirstPass found;
  CheckedLog read;
};

// First pass: the whole log is checked, and every warning given, before
// anything is written. A log without a QSO to score stops the run.
CheckedPass CheckLog(const LogInput& log, const RunRequest& request, const RunTexts& texts,
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
  CheckedPass first{{}, {files::StampOf(log.file), {}}};
  logs::PassCounts counts;
  try {
    const LogPass read = ReadLogFile(log.file, log.utf16, request, texts, keep,
                                     [&](const logs::HostQso& qso) { first.found.Take(qso); });
    counts = read.counts;
    first.read.bytes = read.bytes;
  } catch (const std::bad_alloc&) {
    throw RunError(kExitFailed, std::string(texts.outOfMemoryReading));
  }
  printer.PrintCounts();
  result.records = counts.records;
  if (!first.found.First()) {
    throw RunError(kExitNothingToScore, counts.records == 0
                                            ? Substituted(texts.noQsoRecord, {name})
                                            : Substituted(texts.noScorableRecord,
                                                          {name, std::to_string(counts.records)}));
  }
  return first;
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
               files::AbsolutePath(request.plugin ? *request.plugin : DefaultPluginPath())};
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
ResetState ResetInWorkingFolder(files::FileSystem& files, LoadedPlugin& plugin, const RunPlan& plan,
                                const RunRequest& request, const RunTexts& texts,
                                RunResult& result) {
  EnterWorkingFolder(files, request.workingFolder, texts);
  result.problemLog.name = std::string(stats::kProblemLogPath);
  result.settingsFile.name = SettingsFile().generic_string();
  result.cabrilloAsked = request.cabrillo;
  ResetState state{{WhyNotAppendable(files, result.problemLog.name, false, texts),
                    files::StampOf(PluginFilePath(result.cabrilloLog.name))}};
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

RunResult ScoreLog(files::FileSystem& files, const RunRequest& request, const RunTexts& texts,
                   std::ostream& err, const std::vector<QsoObserver*>& observers) {
  RunResult result;
  result.logName = request.adifFile.string();
  const LogInput log = FindLog(request, texts, err);
  const CheckedPass first = CheckLog(log, request, texts, err, result);
  const RunPlan plan = PlanRun(log, first.found, request, texts, err, result);
  LoadedPlugin plugin = LoadPlugin(plan.pluginFile, texts);

  const ResetState reset = ResetInWorkingFolder(files, plugin, plan, request, texts, result);
  RefusedList refused;
  std::vector<QsoObserver*> all{&refused};
  all.insert(all.end(), observers.begin(), observers.end());
  const std::uint64_t qsoLineBytes = HandOver(log.file, log.utf16, first.read, request, texts,
                                              plan.contestantCall, plugin, all, result);
  result.refused = refused.Take();
  TakeResult(plugin, texts, result);
  const std::uint64_t leastCabrilloBytes = stats::kCabrilloFirstLine.size() +
                                           stats::kCabrilloLastLine.size() + 4 +
                                           SizeOf(stats::kCabrilloIncludePath) + qsoLineBytes;
  CheckOutputs(files, result, reset.before, leastCabrilloBytes, texts);
  if (!reset.detailsConfirmed) {
    // The dialog could not be shown (no desktop), which the plug-in takes as
    // CANCEL: the details asked to be saved were not.
    result.settingsFile.written = false;
    result.settingsFile.failure = texts.detailsNotShown;
  }
  return result;
}

}  // namespace stats_host
