#include "crosscheck/output/output_files.h"

#include "crosscheck/output/formats.h"
#include "crosscheck/output/logs_jsonl.h"
#include "crosscheck/output/results_csv.h"
#include "crosscheck/output/results_html.h"
#include "crosscheck/output/standings.h"
#include "crosscheck/output/ubn_report.h"
#include "crosscheck/output/verdicts_jsonl.h"
#include "files/call_file_name.h"
#include "files/file_problem.h"
#include "files/output_set.h"
#include "files/utf8_path.h"

namespace crosscheck {
namespace {

namespace fs = std::filesystem;

std::string WhatStopped(const files::WriteFailure& failure) {
  const std::string problem = files::ProblemText(failure.error, files::kEnglishFileProblems);
  switch (failure.step) {
    case files::WriteFailure::Step::kCreate:
      return "the new file can not be made: " + problem;
    case files::WriteFailure::Step::kWrite:
      return "could not be written whole: " + problem;
    case files::WriteFailure::Step::kReplace:
      return "could not take the earlier one's place: " + problem;
  }
  return problem;
}

std::vector<std::string> Problems(const files::SetFailure& failure) {
  std::vector<std::string> problems = {files::Utf8OfPath(failure.target) + ": " +
                                       WhatStopped(failure.failure) +
                                       "; nothing was replaced, the earlier outputs stay"};
  for (const auto& [target, aside] : failure.notUndone) {
    problems.push_back(files::Utf8OfPath(target) + ": " +
                       (aside.empty() ? "the new one could not be taken back"
                                      : "the earlier one could not be put back, it is kept as " +
                                            files::Utf8OfPath(aside)));
  }
  return problems;
}

}  // namespace

WrittenOutputs WriteOutputs(files::FileSystem& files, const Contest& contest,
                            const CheckResult& result, const Options& options,
                            logs::ReportLanguage language) {
  const std::vector<LogId> order = OutputOrder(contest);
  const std::vector<CategoryStandings> standings = Standings(contest, result);
  files::OutputSet set(files);
  WriteVerdicts(contest, result, order, set.File(options.out / "verdicts.jsonl"));
  set.File(options.out / "logs.jsonl").Write(LogsJsonl(contest, result, order));
  set.File(options.out / "results.csv").Write(ResultsCsv(contest, result, standings));
  set.File(options.out / "results.html")
      .Write(ResultsHtml(contest, result, options.check, standings, order, language));

  files::OutputSet::Folder& ubn = set.NewFolder(options.out / "ubn");
  const std::vector<std::vector<QsoId>> copiedWrong = CopiedWrongBy(contest, result);
  std::size_t reports = 0;
  for (const LogId log : order) {
    if (!contest.logs[log].Checked()) continue;
    const fs::path name =
        files::FileNameOfCall(contest.calls.Text(contest.logs[log].ownCall)) + ".txt";
    ubn.Write(name, UbnReport(contest, result, options.check, log, copiedWrong[log], language));
    ++reports;
  }

  WrittenOutputs written;
  if (const auto failure = set.Commit()) {
    written.problems = Problems(*failure);
    return written;
  }
  written.written = true;
  written.reports = reports;
  for (const fs::path& leftover : set.Leftovers()) {
    written.problems.push_back("the earlier output " + files::Utf8OfPath(leftover) +
                               " could not be removed");
  }
  return written;
}

}  // namespace crosscheck
