#include "crosscheck/output/ubn_report.h"

#include <algorithm>
#include <cstdio>

#include "crosscheck/output/formats.h"
#include "crosscheck/output/texts.h"
#include "logs/file/repairs_heading.h"
#include "logs/text/text_pattern.h"
#include "pages/local_forms.h"
#include "stats/public/plugin_names.h"
#include "stats/rules/score.h"

namespace crosscheck {
namespace {

using logs::Substituted;

class Report {
 public:
  Report(const Contest& contest, const CheckResult& result, const CheckOptions& options,
         const CheckTexts& texts)
      : contest_(contest), result_(result), options_(options), texts_(texts) {}

  void Line(const std::string& text = {}) { text_ += text + "\r\n"; }

  void Heading(std::string_view heading, std::size_t count) {
    Line();
    Line(std::string(heading) + " (" + std::to_string(count) + "):");
  }

  const std::string& Call(CallId call) const { return contest_.calls.Text(call); }
  const std::string& FileOf(QsoId qso) const { return contest_.logs[Qso(qso).log].file; }
  const crosscheck::Qso& Qso(QsoId id) const { return contest_.qsos[id]; }

  // The QSO as one line: where it is in the file and what it says.
  std::string Describe(QsoId id) const {
    char line[32];
    std::snprintf(line, sizeof line, "%6u  ", static_cast<unsigned>(Qso(id).line));
    return line + WhatItSays(id);
  }

  std::string WhatItSays(QsoId id) const {
    const crosscheck::Qso& qso = Qso(id);
    const std::string band = qso.band == kNone ? "?" : contest_.bands.Text(qso.band);
    return FormatQsoTime(qso.time) + "  " + band + " " + contest_.modes.Text(qso.mode) + "  " +
           Call(qso.call) + "  " + std::string(texts_.sent) + " " +
           contest_.exchanges.Text(qso.sent) + "  " + std::string(texts_.received) + " " +
           contest_.exchanges.Text(qso.received);
  }

  // The other log's line that confirmed a QSO whose two times differ.
  std::string ExplainTimesApart(QsoId id) const {
    const QsoId other = result_.judgements[id].evidence;
    return Substituted(texts_.explainTimesApart,
                       {Call(contest_.logs[Qso(other).log].ownCall), FileOf(other),
                        std::to_string(Qso(other).line), WhatItSays(other)});
  }

  std::string Explain(QsoId id) const {
    const crosscheck::Qso& qso = Qso(id);
    const Judgement& judgement = result_.judgements[id];
    const std::string logsWith = std::to_string(result_.calls.logsWith[qso.call]);
    const QsoId evidence = judgement.evidence;
    switch (judgement.verdict) {
      case Verdict::kOk:
        return {};
      case Verdict::kNoLog:
        return Substituted(
            judgement.counted ? texts_.explainNoLogCounted : texts_.explainNoLogNotCounted,
            {Call(qso.call), logsWith});
      case Verdict::kNil:
        return ExplainNil(qso, evidence);
      case Verdict::kBustedCall:
        return Substituted(texts_.explainBustedCall, {Call(judgement.correctCall), FileOf(evidence),
                                                      std::to_string(Qso(evidence).line)});
      case Verdict::kBustedExchange:
        return Substituted(texts_.explainBustedNumber,
                           {contest_.exchanges.Text(qso.received), Call(qso.call),
                            contest_.exchanges.Text(Qso(evidence).sent), FileOf(evidence),
                            std::to_string(Qso(evidence).line)});
      case Verdict::kUnique:
        return std::string(judgement.counted ? texts_.explainUniqueCounted
                                             : texts_.explainUniqueNotCounted);
      case Verdict::kDupe:
        return Substituted(texts_.explainDupe, {std::to_string(Qso(evidence).line)});
      case Verdict::kOutOfContest:
        return std::string(OutOfContestReason(qso));
    }
    return {};
  }

  // What the other log holds, never "not in the log" while it is there.
  std::string ExplainNil(const crosscheck::Qso& qso, QsoId nearest) const {
    const std::string& file = contest_.logs[result_.calls.logOfCall[qso.call]].file;
    if (nearest == kNone) return Substituted(texts_.explainNil, {Call(qso.call), file});
    const std::string line = std::to_string(Qso(nearest).line);
    if (result_.judgements[nearest].verdict == Verdict::kOutOfContest) {
      return Substituted(texts_.explainNilOut, {Call(qso.call), file, line, WhatItSays(nearest),
                                                std::string(OutOfContestReason(Qso(nearest)))});
    }
    return Substituted(texts_.explainNilNearest, {Call(qso.call), file, line, WhatItSays(nearest)});
  }

  std::string HowCopied(QsoId id) const {
    const crosscheck::Qso& qso = Qso(id);
    const Judgement& judgement = result_.judgements[id];
    const std::string& theirCall = Call(contest_.logs[qso.log].ownCall);
    if (judgement.verdict == Verdict::kBustedCall) {
      return Substituted(texts_.copiedCall, {theirCall, Call(qso.call), FileOf(id),
                                             std::to_string(qso.line), FormatQsoTime(qso.time)});
    }
    return Substituted(
        texts_.copiedNumber,
        {theirCall, contest_.exchanges.Text(Qso(judgement.evidence).sent),
         contest_.exchanges.Text(qso.received), FileOf(id), std::to_string(qso.line)});
  }

  std::string Text() const { return "\xEF\xBB\xBF" + text_; }

 private:
  std::string_view OutOfContestReason(const crosscheck::Qso& qso) const {
    if (qso.excluded) return texts_.explainExcluded;
    if (qso.contestMode == kNotCounted) return texts_.explainMode;
    if (qso.band == kNone) return texts_.explainBand;
    const std::string& band = contest_.bands.Text(qso.band);
    const bool bandCounts =
        options_.bands.empty() ||
        std::find(options_.bands.begin(), options_.bands.end(), band) != options_.bands.end();
    return bandCounts ? texts_.explainTime : texts_.explainBand;
  }

  const Contest& contest_;
  const CheckResult& result_;
  const CheckOptions& options_;
  const CheckTexts& texts_;
  std::string text_;
};

std::uint32_t SumOfChanges(const ClockEstimate& clock) {
  std::uint32_t sum = 0;
  for (const ClockChange& change : clock.changes) sum += change.matches;
  return sum;
}

// The clock's offset, its changes and what the committee should look at.
std::vector<std::string> ClockLines(const Contest& contest, const LogResult& result,
                                    const CheckTexts& texts) {
  const ClockEstimate& clock = result.clock;
  std::vector<std::string> lines;
  if (clock.matches == 0) {
    lines.emplace_back(texts.clockNotKnown);
  } else {
    const std::string matches = std::to_string(clock.matches - SumOfChanges(clock));
    lines.push_back(clock.offset == 0
                        ? Substituted(texts.clockRight, {matches})
                        : Substituted(clock.offset > 0 ? texts.clockAhead : texts.clockBehind,
                                      {FormatDuration(clock.offset), matches}));
  }
  for (const ClockChange& change : clock.changes) {
    const crosscheck::Qso& first = contest.qsos[change.from];
    lines.push_back(Substituted(texts.clockChanged,
                                {std::to_string(first.line), FormatQsoTime(first.time),
                                 FormatOffset(change.offset), std::to_string(change.matches)}));
  }
  if (result.clockDoubt == ClockDoubt::kWeak && clock.matches > 0)
    lines.emplace_back(texts.clockWeak);
  if (result.clockDoubt == ClockDoubt::kUnconfirmed) lines.emplace_back(texts.clockUnconfirmed);
  return lines;
}

// The log's category, and where it comes from when that is not plain.
std::string CategoryLine(const ContestLog& log, const CheckTexts& texts) {
  switch (log.categoryFrom) {
    case CategoryFrom::kLog:
      if (log.writtenCategory == log.category) return log.category;
      return log.category + " (" + Substituted(texts.categoryInLog, {log.writtenCategory}) + ")";
    case CategoryFrom::kOrganisers:
      return log.category + " (" + std::string(texts.categoryGiven) + ")";
    case CategoryFrom::kUnclear:
      return std::string(texts.noCategory) + ": " +
             Substituted(texts.categoryUnclear, {log.writtenCategory});
    case CategoryFrom::kNowhere:
      break;
  }
  return std::string(texts.noCategory) + ": " + std::string(texts.categoryMissing);
}

}  // namespace

std::vector<std::vector<QsoId>> CopiedWrongBy(const Contest& contest, const CheckResult& result) {
  std::vector<std::vector<QsoId>> copied(contest.logs.size());
  for (QsoId id = 0; id < contest.qsos.size(); ++id) {
    const Judgement& judgement = result.judgements[id];
    if (judgement.verdict != Verdict::kBustedCall &&
        judgement.verdict != Verdict::kBustedExchange) {
      continue;
    }
    if (contest.logs[contest.qsos[id].log].Checked()) {
      copied[contest.qsos[judgement.evidence].log].push_back(id);
    }
  }
  return copied;
}

std::string UbnReport(const Contest& contest, const CheckResult& result,
                      const CheckOptions& options, LogId id, const std::vector<QsoId>& copiedWrong,
                      logs::ReportLanguage language) {
  const CheckTexts& texts = CheckTextsOf(language);
  const ContestLog& log = contest.logs[id];
  const LogResult& checked = result.logs[id];
  Report report(contest, result, options, texts);
  report.Line(std::string(stats::kSummaryTitle) + "- " + std::string(texts.ubnTitle) + ": " +
              report.Call(log.ownCall));
  report.Line(std::string(texts.file) + ": " + log.file);
  std::string notCounted;
  for (const ContestLog& other : contest.logs) {
    if (other.supersededBy != id) continue;
    notCounted += (notCounted.empty() ? "" : ", ") + other.file;
  }
  if (!notCounted.empty()) report.Line(Substituted(texts.notCountedFiles, {notCounted}));
  if (!log.name.empty()) report.Line(log.name);
  report.Line(std::string(texts.category) + ": " + CategoryLine(log, texts));
  const auto reduction = ReductionTenths(log.claimed, checked.checked);
  report.Line(Substituted(
      texts.scores, {log.claimed ? std::to_string(*log.claimed) : "-",
                     std::to_string(checked.checked), reduction ? TenthsText(*reduction) : "-"}));
  report.Line(Substituted(
      texts.lineCounts, {std::to_string(log.endQso - log.firstQso), std::to_string(checked.counted),
                         std::to_string(checked.kvant), std::to_string(checked.penalty)}));
  report.Line(Substituted(
      texts.formula,
      {std::to_string(checked.counted * stats::kPointsPerQso), std::to_string(checked.penalty),
       std::to_string(checked.kvant), std::to_string(checked.checked)}));
  for (const std::string& line : ClockLines(contest, checked, texts)) report.Line(line);

  std::vector<QsoId> notConfirmed;
  for (QsoId qso = log.firstQso; qso < log.endQso; ++qso) {
    if (result.judgements[qso].verdict != Verdict::kOk) notConfirmed.push_back(qso);
  }
  report.Heading(texts.notConfirmedHeading, notConfirmed.size());
  for (const QsoId qso : notConfirmed) {
    report.Line(report.Describe(qso));
    report.Line("        " + report.Explain(qso));
  }
  std::vector<QsoId> timesApart;
  for (QsoId qso = log.firstQso; qso < log.endQso; ++qso) {
    const Judgement& judgement = result.judgements[qso];
    if (judgement.verdict == Verdict::kOk && judgement.note == Note::kTimesApart) {
      timesApart.push_back(qso);
    }
  }
  if (!timesApart.empty()) {
    report.Heading(texts.timesApartHeading, timesApart.size());
    for (const QsoId qso : timesApart) {
      report.Line(report.Describe(qso));
      report.Line("        " + report.ExplainTimesApart(qso));
    }
  }
  report.Heading(texts.copiedHeading, copiedWrong.size());
  for (const QsoId qso : copiedWrong) report.Line("  " + report.HowCopied(qso));
  report.Heading(logs::RepairsHeading(language), log.repairs.size());
  for (const std::string& repair : log.repairs) report.Line("  " + repair);
  return report.Text();
}

}  // namespace crosscheck
