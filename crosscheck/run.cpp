#include "crosscheck/run.h"

#include <algorithm>
#include <system_error>

#include "crosscheck/command_line.h"
#include "crosscheck/entries.h"
#include "crosscheck/output/formats.h"
#include "crosscheck/output/logs_jsonl.h"
#include "crosscheck/output/replaced_folder.h"
#include "crosscheck/output/results_csv.h"
#include "crosscheck/output/results_html.h"
#include "crosscheck/output/standings.h"
#include "crosscheck/output/ubn_report.h"
#include "crosscheck/output/verdicts_jsonl.h"
#include "files/call_file_name.h"
#include "files/utf8_path.h"
#include "logs/file/read_log_file.h"

namespace crosscheck {
namespace {

namespace fs = std::filesystem;

// The files to read: each file given, and every file in each folder given,
// in the order of their paths (so that the order given does not matter), each
// once. A path that does not exist stays, to be listed as not read.
std::vector<fs::path> LogPaths(const std::vector<fs::path>& given) {
  std::vector<fs::path> paths;
  for (const fs::path& path : given) {
    std::error_code error;
    if (!fs::is_directory(path, error)) {
      paths.push_back(path.lexically_normal());
      continue;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(path, error)) {
      if (!entry.is_directory(error)) paths.push_back(entry.path().lexically_normal());
    }
  }
  std::sort(paths.begin(), paths.end());
  paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
  return paths;
}

Contest ReadContest(const std::vector<fs::path>& paths, const Entries& entries) {
  Contest contest;
  for (const fs::path& path : paths) {
    std::error_code error;
    const fs::file_time_type modified = fs::last_write_time(path, error);
    logs::LogFile log = logs::ReadLogFile(path);
    ApplyEntry(entries, log);
    contest.Add(std::move(log), error ? fs::file_time_type::min() : modified);
  }
  contest.ChooseAmongRepeatedCalls();
  return contest;
}

struct Outputs {
  std::vector<std::string> failures;
  std::size_t reports = 0;

  void Note(const fs::path& file, const std::optional<std::string>& failure) {
    if (failure) failures.push_back(files::Utf8OfPath(file) + ": " + *failure);
  }
};

// The participants' reports, swapped in as one set (see ReplacedFolder).
void WriteReports(const Contest& contest, const CheckResult& result, const Options& options,
                  const std::vector<LogId>& order, logs::ReportLanguage language,
                  Outputs& outputs) {
  ReplacedFolder ubn(options.out / "ubn");
  if (ubn.Failure()) return outputs.Note("ubn", ubn.Failure());
  const std::vector<std::vector<QsoId>> copiedWrong = CopiedWrongBy(contest, result);
  std::size_t written = 0;
  for (const LogId log : order) {
    if (!contest.logs[log].Checked()) continue;
    const fs::path name = files::FileNameOfCall(contest.calls.Text(contest.logs[log].ownCall)) + ".txt";
    const auto failure = files::WriteWholeFile(
        ubn.Fresh() / name,
        UbnReport(contest, result, options.check, log, copiedWrong[log], language));
    outputs.Note(name, failure);
    if (failure) return;
    ++written;
  }
  const auto failure = ubn.Commit();
  outputs.Note("ubn", failure);
  if (!failure) outputs.reports = written;
}

Outputs WriteOutputs(const Contest& contest, const CheckResult& result, const Options& options,
                     logs::ReportLanguage language) {
  Outputs outputs;
  const std::vector<LogId> order = OutputOrder(contest);
  const std::vector<CategoryStandings> standings = Standings(contest, result);
  {
    files::OutputFile verdicts(options.out / "verdicts.jsonl");
    WriteVerdicts(contest, result, order, verdicts);
    outputs.Note("verdicts.jsonl", verdicts.Commit());
  }
  outputs.Note("logs.jsonl", files::WriteWholeFile(options.out / "logs.jsonl",
                                                   LogsJsonl(contest, result, order)));
  outputs.Note("results.csv", files::WriteWholeFile(options.out / "results.csv",
                                                    ResultsCsv(contest, result, standings)));
  outputs.Note("results.html", files::WriteWholeFile(options.out / "results.html",
                                                     ResultsHtml(contest, result, options.check,
                                                                 standings, order, language)));
  WriteReports(contest, result, options, order, language, outputs);
  return outputs;
}

void PrintSummary(const Contest& contest, const CheckResult& result, const Outputs& outputs,
                  const Options& options, std::ostream& out) {
  const ContestTotals totals = TotalsOf(contest, result);
  out << "Logs: " << totals.checked << " checked, " << totals.superseded
      << " superseded by a later log of the same call, " << totals.notRead << " not read\n";
  out << "QSO lines: " << totals.lines << "\n";
  for (std::size_t v = 0; v < kVerdictCount; ++v) {
    out << "  " << kVerdictNames[v] << ": " << totals.verdicts[v] << " ("
        << Percent(totals.verdicts[v], totals.lines) << ")\n";
  }
  for (const ContestLog& log : contest.logs) {
    if (log.failure) out << "Not read: " << log.file << ": " << *log.failure << "\n";
  }
  out << "Written into " << files::Utf8OfPath(options.out)
      << ": verdicts.jsonl, logs.jsonl, results.csv, results.html and " << outputs.reports
      << " reports in ubn/\n";
}

}  // namespace

int RunCrosscheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const CommandLine commandLine = ParseCommandLine(arguments);
  if (!commandLine.options) {
    (commandLine.usageError ? err : out) << commandLine.message << "\n";
    return commandLine.usageError ? 2 : 0;
  }
  const Options& options = *commandLine.options;
  Entries entries;
  if (options.entries) {
    auto read = ReadEntries(*options.entries);
    if (const std::string* problem = std::get_if<std::string>(&read)) {
      err << "crosscheck: " << files::Utf8OfPath(*options.entries) << ": " << *problem << "\n";
      return 2;
    }
    entries = std::move(std::get<Entries>(read));
  }
  const Contest contest = ReadContest(LogPaths(options.logs), entries);
  const CheckResult result = CheckContest(contest, options.check);

  std::error_code error;
  fs::create_directories(options.out, error);
  if (error) {
    err << "crosscheck: the folder for the outputs can not be made: " << error.message() << "\n";
    return 1;
  }
  const Outputs outputs =
      WriteOutputs(contest, result, options, options.language.value_or(logs::UserReportLanguage()));
  PrintSummary(contest, result, outputs, options, out);
  for (const std::string& failure : outputs.failures) err << "crosscheck: " << failure << "\n";
  if (!outputs.failures.empty()) return 1;
  return TotalsOf(contest, result).notRead == 0 ? 0 : 3;
}

}  // namespace crosscheck
