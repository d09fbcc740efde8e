#include "host/scoring_run.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "host/adif_reader.h"
#include "host/byte_source.h"
#include "host/details_answer.h"
#include "host/log_pass.h"
#include "host/output_check.h"
#include "host/plugin_location.h"
#include "host/stats_plugin.h"
#include "stats/problem_log.h"
#include "stats/station/file_base_name.h"

namespace host {
namespace {

namespace fs = std::filesystem;

const fs::path kSettingsFile = fs::path("Plugins") / "ZORVA.ini";

// One pass over the log file (`path`, absolute: the run changes folders); a
// log that breaks the syntax stops the run.
PassCounts ReadLogFile(const fs::path& path, const Options& options, const WarningSink& warn,
                       const std::function<void(const HostQso&)>& take) {
  const std::string name = options.adifFile.string();
  try {
    FileBytes bytes(path);
    return ReadQsos(bytes, options.ownCall, warn, take);
  } catch (const AdifSyntaxError& error) {
    throw RunError(kExitBadInput, name + ": " + error.what() + "; nothing was scored");
  } catch (const ReadError&) {
    throw RunError(kExitBadInput, "can not read the log " + name);
  }
}

void EnterWorkingFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder / "Plugins", error);
  if (!error) fs::current_path(folder, error);
  if (error) {
    throw RunError(kExitFailed,
                   "can not use the working folder " + folder.string() + ": " + error.message());
  }
}

// The score the summary text ends with ("Score: = N"), which the plug-in also
// keeps as Claimed in the settings file.
std::optional<long long> SummaryScore(const std::string& summaryText) {
  const std::string_view marker = "Score: = ";
  const std::size_t at = summaryText.rfind(marker);
  if (at == std::string::npos) return std::nullopt;
  try {
    return std::stoll(summaryText.substr(at + marker.size()));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// The files of the plug-in as they were before the run, to tell afterwards
// which of them this run wrote.
struct OutputsBefore {
  std::optional<std::string> problemLogBlocked;
  std::optional<FileStamp> cabrillo;
};

void CheckOutputs(RunResult& result, const OutputsBefore& before) {
  OutputFile& problemLog = result.problemLog;
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
      problemLog.failure = "it does not hold one line for each refused QSO";
    }
  }

  OutputFile& settings = result.settingsFile;
  const auto score = SummaryScore(result.summaryText);
  if (score && HoldsClaimedScore(kSettingsFile, *score)) {
    settings.written = true;
  } else {
    settings.failure = WhyNotReplaceable(kSettingsFile)
                           .value_or("it does not hold Claimed=" +
                                     (score ? std::to_string(*score) : std::string("?")));
  }

  if (result.cabrilloAsked) {
    OutputFile& cabrillo = result.cabrilloLog;
    const auto after = StampOf(cabrillo.name);
    cabrillo.written = after && after != before.cabrillo;
    if (!cabrillo.written) {
      cabrillo.failure =
          WhyNotReplaceable(cabrillo.name).value_or("the plug-in did not replace it");
    }
  }
}

}  // namespace

RunResult ScoreLog(const Options& options, std::ostream& err) {
  RunResult result;
  result.logName = options.adifFile.string();
  const std::string& name = result.logName;
  std::error_code error;
  const fs::path logFile = fs::absolute(options.adifFile, error);
  if (error || !fs::is_regular_file(logFile, error)) {
    throw RunError(kExitBadInput, "the log " + name + " is not a file that can be read");
  }

  // First pass: the whole log is checked, and every warning given, before
  // anything is written.
  std::optional<HostQso> first;
  const WarningSink keep = [&](LogWarning warning) {
    err << "warning: " << name << ": record " << warning.record << ", byte " << warning.offset
        << ": " << warning.text << (warning.skipped ? "; the record is skipped" : "") << "\n";
    if (warning.skipped) ++result.skipped;
    ++result.warningCount;
    if (result.warnings.size() < kKeptWarnings) result.warnings.push_back(std::move(warning));
  };
  const PassCounts counts = ReadLogFile(logFile, options, keep, [&](const HostQso& qso) {
    if (!first) first = qso;
  });
  result.records = counts.records;
  if (!first) {
    throw RunError(kExitNothingToScore,
                   name + ": " +
                       (counts.records == 0 ? std::string("the log holds no QSO record")
                                            : "none of its " + std::to_string(counts.records) +
                                                  " records is a QSO that can be scored") +
                       "; the plug-in was not called and no file was written");
  }

  const std::string contestantCall = options.ownCall ? *options.ownCall : first->ownCall;
  if (contestantCall.empty()) {
    err << "warning: no own call in the log (STATION_CALLSIGN or OPERATOR); give --call\n";
  }
  const QsoDate contestDate = options.contestDate ? *options.contestDate : first->date;

  std::optional<StatsPlugin> plugin;
  try {
    plugin.emplace(fs::absolute(options.plugin ? *options.plugin : DefaultPluginPath()));
  } catch (const PluginLoadError& loadError) {
    throw RunError(kExitBadInput, loadError.what());
  }

  EnterWorkingFolder(options.workingFolder);
  result.problemLog.name = std::string(stats::kProblemLogPath);
  result.settingsFile.name = kSettingsFile.generic_string();
  result.cabrilloAsked = options.cabrillo;
  result.cabrilloLog.name = stats::FileBaseName(contestantCall) + ".cbr";
  const OutputsBefore before{WhyNotWritable(result.problemLog.name),
                             StampOf(result.cabrilloLog.name)};
  {
    const DetailsAnswer answer(options.confirmDetails);
    plugin->Reset(options.cabrillo, contestantCall, contestDate);
  }

  // Second pass: each QSO goes to the plug-in as soon as it is read.
  result.repeatsAsked = options.repeats;
  TourRepeatFinder repeats;
  try {
    ReadLogFile(
        logFile, options, [](const LogWarning&) {},
        [&](const HostQso& qso) {
          const bool stored = plugin->Add(qso);
          ++result.qsos;
          if (!stored) result.refused.push_back(RefusedQso{qso.record, qso.call, {}});
          if (options.repeats) {
            if (auto repeat = repeats.Next(qso, stored))
              result.repeats.push_back(std::move(*repeat));
          }
        });
  } catch (const RunError& changed) {
    throw RunError(kExitFailed,
                   std::string("the log changed while it was scored: ") + changed.what());
  }
  const ContestResult contest = plugin->Result();
  result.summaryText = contest.summaryText;
  result.score = contest.score;
  CheckOutputs(result, before);
  return result;
}

}  // namespace host
