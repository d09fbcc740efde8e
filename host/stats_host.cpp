#include "host/stats_host.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "host/adif_reader.h"
#include "host/command_line.h"
#include "host/details_confirmation.h"
#include "host/html_report.h"
#include "host/plugin_location.h"
#include "host/qso_mapping.h"
#include "host/report.h"
#include "host/stats_plugin.h"
#include "host/summary_table.h"
#include "host/tour_repeats.h"
#include "stats/file_output.h"

namespace host {
namespace {

namespace fs = std::filesystem;

constexpr char kProblemLog[] = "err.txt";

class RunError : public std::runtime_error {
 public:
  RunError(int exitStatus, const std::string& message)
      : std::runtime_error(message), exitStatus_(exitStatus) {}
  int exitStatus() const { return exitStatus_; }

 private:
  int exitStatus_;
};

std::optional<std::string> ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) return std::nullopt;
  return bytes;
}

MappedLog ReadLog(const Options& options, std::ostream& err) {
  const std::string name = options.adifFile.string();
  std::error_code error;
  if (!fs::is_regular_file(options.adifFile, error)) {
    throw RunError(kExitBadInput, "the log " + name + " is not a file that can be read");
  }
  const auto bytes = ReadFile(options.adifFile);
  if (!bytes) throw RunError(kExitBadInput, "can not read the log " + name);
  AdifLog log;
  try {
    log = ParseAdif(*bytes);
  } catch (const AdifSyntaxError& error) {
    throw RunError(kExitBadInput, name + ": " + error.what() + "; nothing was scored");
  }
  if (!log.records.empty() && !log.records.back().terminated) {
    const AdifRecord& last = log.records.back();
    err << "warning: " << name << ": record " << last.number << ", byte " << last.offset
        << ": the file ends without <EOR>; the record is taken\n";
  }
  MappedLog mapped = MapRecords(log, options.ownCall);
  for (const SkippedRecord& skipped : mapped.skipped) {
    err << "warning: " << name << ": record " << skipped.record << ", byte " << skipped.offset
        << ": " << skipped.reason << "; the record is skipped\n";
  }
  return mapped;
}

void EnterWorkingFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder / "Plugins", error);
  if (!error) fs::current_path(folder, error);
  if (error) {
    throw RunError(kExitFolderFailed,
                   "can not use the working folder " + folder.string() + ": " + error.message());
  }
}

// The Cabrillo log, when one was asked for and is there.
std::optional<std::string> CabrilloLog(const Options& options, const std::string& contestantCall) {
  if (!options.cabrillo) return std::nullopt;
  const std::string cabrillo = CabrilloFileName(contestantCall);
  return fs::exists(cabrillo) ? std::optional(cabrillo) : std::nullopt;
}

// The summary table, then what the plug-in refused (as err.txt lists it), the
// repeats and the Cabrillo log when asked for.
void PrintReport(const Options& options, const std::vector<HostQso>& qsos,
                 const std::vector<bool>& accepted, const std::string& summaryText,
                 const std::string& contestantCall, std::ostream& out) {
  out << FormatSummaryTable(summaryText) << "\n"
      << FormatRefused(qsos, accepted, ProblemLines(ReadFile(kProblemLog).value_or("")));
  if (options.repeats) out << "\n" << FormatRepeats(qsos, FindTourRepeats(qsos, accepted));
  if (options.cabrillo) {
    out << "\nCabrillo log: "
        << CabrilloLog(options, contestantCall)
               .value_or("none (" + CabrilloFileName(contestantCall) + " is missing)")
        << "\n";
  }
}

void WriteHtmlReport(const fs::path& file, const Options& options, const HtmlReportInput& input) {
  const std::string page =
      HtmlReport(input, options.language ? *options.language : UserReportLanguage());
  if (!stats::ReplaceWholeFile(*stats::MakeSystemPlatform(), file.string(), page)) {
    throw RunError(kExitFolderFailed, "can not write the HTML report " + file.string());
  }
}

int Run(const Options& options, std::ostream& out, std::ostream& err) {
  const MappedLog log = ReadLog(options, err);
  const std::vector<HostQso>& qsos = log.qsos;

  const std::string contestantCall =
      options.ownCall ? *options.ownCall : (qsos.empty() ? std::string() : qsos.front().ownCall);
  if (contestantCall.empty()) {
    err << "warning: no own call in the log (STATION_CALLSIGN or OPERATOR); give --call\n";
  }
  const std::optional<QsoDate> contestDate =
      options.contestDate ? options.contestDate
                          : (qsos.empty() ? std::nullopt : std::optional(qsos.front().date));

  std::optional<StatsPlugin> plugin;
  try {
    plugin.emplace(fs::absolute(options.plugin ? *options.plugin : DefaultPluginPath()));
  } catch (const PluginLoadError& error) {
    throw RunError(kExitBadInput, error.what());
  }

  std::optional<fs::path> htmlFile;  // relative to where we were started
  if (options.htmlFile) htmlFile = fs::absolute(*options.htmlFile);
  EnterWorkingFolder(options.workingFolder);
  {
    std::optional<DetailsConfirmation> confirmation;
    if (options.cabrillo && options.confirmDetails) confirmation.emplace();
    plugin->Reset(options.cabrillo, contestantCall, contestDate);
  }
  std::vector<bool> accepted;
  for (const HostQso& qso : qsos) accepted.push_back(plugin->Add(qso));
  const ContestResult result = plugin->Result();

  if (options.raw) {
    out << result.summaryText;
  } else {
    PrintReport(options, qsos, accepted, result.summaryText, contestantCall, out);
  }
  if (htmlFile) {
    WriteHtmlReport(
        *htmlFile, options,
        ReportInputOfRun(qsos, accepted, result.summaryText, ReadFile(kProblemLog).value_or(""),
                         CabrilloLog(options, contestantCall)));
  }
  return kExitScored;
}

}  // namespace

int RunStatsHost(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  Options options;
  try {
    options = ParseCommandLine(arguments);
  } catch (const UsageError& error) {
    err << "stats-host: " << error.what() << "\nTry 'stats-host --help'.\n";
    return kExitBadInput;
  }
  if (options.help) {
    out << HelpText();
    return kExitScored;
  }
  try {
    return Run(options, out, err);
  } catch (const RunError& error) {
    err << "stats-host: " << error.what() << "\n";
    return error.exitStatus();
  }
}

}  // namespace host
