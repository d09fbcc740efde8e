#include "crosscheck/run.h"

#include <algorithm>
#include <system_error>

#include "crosscheck/categories_file.h"
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
#include "logs/text/text_pattern.h"

namespace crosscheck {
namespace {

namespace fs = std::filesystem;
using logs::Substituted;

// A file to read, and the name the outputs give it: its path within the
// folder given, or the file's own name, never the organiser's folders.
struct LogPath {
  fs::path path;
  std::string shown;
  bool operator<(const LogPath& other) const { return path < other.path; }
  bool operator==(const LogPath& other) const { return path == other.path; }
};

// Every file in `folder` and in the folders within it (organisers sort logs
// into cw/, ssb/, ...), named by its path within `top`; links to folders are
// not followed. A folder that can not be read stays, to be listed as not read.
void AddFilesIn(const fs::path& top, const fs::path& folder, std::vector<LogPath>& paths) {
  std::vector<files::FolderEntry> entries;
  if (files::ReadFolder(folder, entries)) {
    paths.push_back({files::NormalPath(folder), files::Utf8OfPath(folder.filename())});
    return;
  }
  for (const files::FolderEntry& entry : entries) {
    if (entry.isFolder) {
      if (!entry.isLink) AddFilesIn(top, entry.path, paths);
      continue;
    }
    const std::u8string within = entry.path.lexically_relative(top).generic_u8string();
    paths.push_back({files::NormalPath(entry.path),
                     within.empty() ? files::Utf8OfPath(entry.path.filename())
                                    : std::string(within.begin(), within.end())});
  }
}

// The files to read: each file given, and every file in each folder given and
// in the folders within it, in the order of their paths (so that the order
// given does not matter), each once. A path that does not exist stays, to be
// listed as not read.
std::vector<LogPath> LogPaths(const std::vector<fs::path>& given) {
  std::vector<LogPath> paths;
  for (const fs::path& path : given) {
    std::error_code error;
    if (!fs::is_directory(path, error)) {
      paths.push_back({files::NormalPath(path), files::Utf8OfPath(path.filename())});
      continue;
    }
    AddFilesIn(path, path, paths);
  }
  std::sort(paths.begin(), paths.end());
  paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
  return paths;
}

Contest ReadContest(const std::vector<LogPath>& paths, const Entries& entries,
                    const std::map<std::string, std::string>& categories) {
  Contest contest;
  for (const auto& [path, shown] : paths) {
    std::error_code error;
    const fs::file_time_type modified = fs::last_write_time(path, error);
    logs::LogFile log = logs::ReadLogFile(path);
    ApplyEntry(entries, log);
    const LogId id = contest.Add(std::move(log), error ? fs::file_time_type::min() : modified);
    contest.logs[id].file = shown;
  }
  contest.ChooseAmongRepeatedCalls();
  contest.GiveCategories(categories);
  return contest;
}

void PrintSummary(const Contest& contest, const CheckResult& result, const WrittenOutputs& outputs,
                  const Options& options, const ConsoleTexts& texts, std::ostream& out) {
  const ContestTotals totals = TotalsOf(contest, result);
  out << Substituted(texts.logsLine,
                     {std::to_string(totals.checked), std::to_string(totals.superseded),
                      std::to_string(totals.notRead)})
      << "\n"
      << Substituted(texts.qsoLines, {std::to_string(totals.lines)}) << "\n";
  for (std::size_t v = 0; v < kVerdictCount; ++v) {
    out << "  " << kVerdictNames[v] << ": " << totals.verdicts[v] << " ("
        << Percent(totals.verdicts[v], totals.lines) << ")\n";
  }
  for (const ContestLog& log : contest.logs) {
    if (log.failure) out << Substituted(texts.notRead, {log.file, *log.failure}) << "\n";
  }
  const std::string folder = files::Utf8OfPath(options.out);
  out << (outputs.written ? Substituted(texts.written, {folder, std::to_string(outputs.reports)})
                          : Substituted(texts.nothingWritten, {folder}))
      << "\n";
}

}  // namespace

int RunCrosscheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                  files::FileSystem& files, const ConsoleTexts& texts) {
  const CommandLine commandLine = ParseCommandLine(arguments, texts);
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
  CategoriesFile categories;
  if (!options.categories.empty()) {
    categories = ReadCategoriesFile(options.categories);
    if (categories.problem) {
      err << "crosscheck: --categories " << files::Utf8OfPath(options.categories) << ": "
          << *categories.problem << "\n";
      return 2;
    }
  }
  const Contest contest = ReadContest(LogPaths(options.logs), entries, categories.byCall);
  const CheckResult result = CheckContest(contest, options.check);

  if (const std::error_code error = files::CreateFolders(files, options.out)) {
    err << "crosscheck: the folder for the outputs can not be made: "
        << files::ProblemText(error, files::kEnglishFileProblems) << "\n";
    return 1;
  }
  const WrittenOutputs outputs = WriteOutputs(
      files, contest, result, options, options.language.value_or(logs::UserReportLanguage()));
  PrintSummary(contest, result, outputs, options, texts, out);
  for (const std::string& problem : outputs.problems) err << "crosscheck: " << problem << "\n";
  if (!outputs.written) return 1;
  return TotalsOf(contest, result).notRead == 0 ? 0 : 3;
}

int RunCrosscheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                  const ConsoleTexts& texts) {
  const std::unique_ptr<files::FileSystem> files = files::MakeSystemFileSystem();
  return RunCrosscheck(arguments, out, err, *files, texts);
}

logs::ReportLanguage ConsoleLanguage(const std::vector<std::string>& arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string value;
    if (arguments[i] == "--lang" && i + 1 < arguments.size()) value = arguments[i + 1];
    if (arguments[i].starts_with("--lang=")) value = arguments[i].substr(7);
    if (const auto language = logs::ParseReportLanguage(value)) return *language;
  }
  return logs::UserReportLanguage();
}

}  // namespace crosscheck
