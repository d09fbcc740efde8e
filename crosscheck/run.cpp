#include "crosscheck/run.h"

#include <algorithm>
#include <system_error>

#include "crosscheck/command_line.h"
#include "crosscheck/entries.h"
#include "crosscheck/out_folder.h"
#include "crosscheck/output/formats.h"
#include "crosscheck/output/output_files.h"
#include "crosscheck/output/standings.h"
#include "files/file_problem.h"
#include "files/folder_entries.h"
#include "files/folders.h"
#include "files/system_path.h"
#include "files/utf8_path.h"
#include "logs/file/read_log_file.h"

namespace crosscheck {
namespace {

namespace fs = std::filesystem;

// The files to read: each file given, and every file in each folder given,
// in the order of their paths (so that the order given does not matter), each
// once. A path that does not exist, or a folder that can not be read, stays,
// to be listed as not read.
std::vector<fs::path> LogPaths(const std::vector<fs::path>& given) {
  std::vector<fs::path> paths;
  for (const fs::path& path : given) {
    std::error_code error;
    std::vector<files::FolderEntry> entries;
    if (!fs::is_directory(path, error) || files::ReadFolder(path, entries)) {
      paths.push_back(files::NormalPath(path));
      continue;
    }
    for (const files::FolderEntry& entry : entries) {
      if (!entry.isFolder) paths.push_back(files::NormalPath(entry.path));
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

void PrintSummary(const Contest& contest, const CheckResult& result, const WrittenOutputs& outputs,
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
  if (outputs.written) {
    out << "Written into " << files::Utf8OfPath(options.out)
        << ": verdicts.jsonl, logs.jsonl, results.csv, results.html and " << outputs.reports
        << " reports in ubn/\n";
  } else {
    out << "Nothing written into " << files::Utf8OfPath(options.out) << "\n";
  }
}

}  // namespace

int RunCrosscheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                  files::FileSystem& files) {
  const CommandLine commandLine = ParseCommandLine(arguments);
  if (!commandLine.options) {
    (commandLine.usageError ? err : out) << commandLine.message << "\n";
    return commandLine.usageError ? 2 : 0;
  }
  const Options& options = *commandLine.options;
  if (const auto clash = OutFolderAmongLogs(options)) {
    err << "crosscheck: " << *clash << "\n";
    return 2;
  }
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

  if (const std::error_code error = files::CreateFolders(files, options.out)) {
    err << "crosscheck: the folder for the outputs can not be made: "
        << files::ProblemText(error, files::kEnglishFileProblems) << "\n";
    return 1;
  }
  const WrittenOutputs outputs = WriteOutputs(
      files, contest, result, options, options.language.value_or(logs::UserReportLanguage()));
  PrintSummary(contest, result, outputs, options, out);
  for (const std::string& problem : outputs.problems) err << "crosscheck: " << problem << "\n";
  if (!outputs.written) return 1;
  return TotalsOf(contest, result).notRead == 0 ? 0 : 3;
}

int RunCrosscheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const std::unique_ptr<files::FileSystem> files = files::MakeSystemFileSystem();
  return RunCrosscheck(arguments, out, err, *files);
}

}  // namespace crosscheck
