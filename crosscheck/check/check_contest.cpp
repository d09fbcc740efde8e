#include "crosscheck/check/check_contest.h"

#include <algorithm>

#include "crosscheck/check/anchors.h"
#include "crosscheck/check/dupes.h"
#include "crosscheck/check/exchange_check.h"
#include "crosscheck/check/nearest_lines.h"
#include "crosscheck/check/pairing.h"
#include "crosscheck/check/qso_links.h"
#include "crosscheck/check/time_slips.h"
#include "stats/rules/kvant.h"
#include "stats/rules/score.h"

namespace crosscheck {
namespace {

constexpr std::int64_t kAnchorSpan = 26 * 3600;  // a clock a day off is still found

// In how many checked logs each call is, leaving out the lines where it is
// a busted call (an empty judgement list leaves out none).
std::vector<std::uint32_t> LogsWith(const Contest& contest,
                                    const std::vector<Judgement>& judgements) {
  std::vector<std::uint32_t> logsWith(contest.calls.Size(), 0);
  std::vector<LogId> lastLog(contest.calls.Size(), kNone);
  for (LogId log = 0; log < contest.logs.size(); ++log) {
    if (!contest.logs[log].Checked()) continue;
    for (QsoId id = contest.logs[log].firstQso; id < contest.logs[log].endQso; ++id) {
      if (!judgements.empty() && judgements[id].verdict == Verdict::kBustedCall) continue;
      const CallId call = contest.qsos[id].call;
      if (lastLog[call] != log) ++logsWith[call], lastLog[call] = log;
    }
  }
  return logsWith;
}

// Whether the QSO's mode and band count; its time is judged apart.
std::vector<bool> CountedModeAndBand(const Contest& contest, const CheckOptions& options) {
  std::vector<bool> bandCounts(contest.bands.Size(), options.bands.empty());
  for (const std::string& band : options.bands) {
    const std::uint32_t id = contest.bands.Find(band);
    if (id != kNone) bandCounts[id] = true;
  }
  std::vector<bool> counts(contest.qsos.size(), false);
  for (QsoId id = 0; id < contest.qsos.size(); ++id) {
    const Qso& qso = contest.qsos[id];
    counts[id] = contest.logs[qso.log].Checked() && qso.contestMode != kNotCounted &&
                 qso.band != kNone && bandCounts[qso.band];
  }
  return counts;
}

bool InPeriod(std::int64_t corrected, const CheckOptions& options) {
  return (!options.from || corrected >= *options.from) && (!options.to || corrected < *options.to);
}

Judgement Judge(const Contest& contest, QsoId id, const CallIndex& calls, QsoId partner,
                const ExchangeCheck& exchanges, const CheckOptions& options) {
  const Qso& qso = contest.qsos[id];
  if (partner != kNone) {
    const bool right = exchanges.CopiedRight(id, partner);
    return Judgement{partner, kNone, right ? Verdict::kOk : Verdict::kBustedExchange, Note::kNone,
                     right};
  }
  if (calls.logOfCall[qso.call] != kNone) return Judgement{kNone, kNone, Verdict::kNil};
  const std::uint32_t logsWith = calls.logsWith[qso.call];
  if (logsWith <= 1) {
    return Judgement{kNone, kNone, Verdict::kUnique, Note::kNone, options.countUniques};
  }
  return Judgement{kNone, kNone, Verdict::kNoLog, Note::kNone,
                   logsWith >= static_cast<std::uint32_t>(std::max(options.minLogs, 0))};
}

// The committee should look at a clock that rests on little, or after whose
// correction most QSOs with logs still find no counterpart within the window.
ClockDoubt DoubtAbout(const Contest& contest, LogId log, const std::vector<Judgement>& judgements,
                      const ClockEstimate& clock) {
  constexpr std::uint32_t kFewMatches = 5;
  std::uint32_t found = 0;
  std::uint32_t notFound = 0;
  for (QsoId id = contest.logs[log].firstQso; id < contest.logs[log].endQso; ++id) {
    const Judgement& judgement = judgements[id];
    if (judgement.verdict == Verdict::kNil || judgement.note == Note::kTimesApart) {
      ++notFound;
    } else if (judgement.verdict == Verdict::kOk || judgement.verdict == Verdict::kBustedExchange ||
               judgement.verdict == Verdict::kBustedCall) {
      ++found;
    }
  }
  if (notFound >= kFewMatches && notFound > found) return ClockDoubt::kUnconfirmed;
  if (clock.matches < kFewMatches || 2 * clock.matches < clock.considered) return ClockDoubt::kWeak;
  return ClockDoubt::kNone;
}

void Score(const Contest& contest, LogId log, const std::vector<Judgement>& judgements,
           const CheckOptions& options, LogResult& result) {
  stats::KvantTally<std::uint64_t> kvant;  // by band and call
  for (QsoId id = contest.logs[log].firstQso; id < contest.logs[log].endQso; ++id) {
    const Judgement& judgement = judgements[id];
    ++result.verdicts[static_cast<std::size_t>(judgement.verdict)];
    result.penalty += options.penalties[static_cast<std::size_t>(judgement.verdict)];
    if (!judgement.counted) continue;
    ++result.counted;
    const Qso& qso = contest.qsos[id];
    kvant.Add(std::uint64_t{qso.band} << 32 | qso.call, stats::kContestModes[qso.contestMode].name,
              contest.exchanges.Text(qso.received));
  }
  result.kvant = static_cast<std::uint32_t>(kvant.Count());
  const std::int64_t points =
      std::max<std::int64_t>(0, result.counted * stats::kPointsPerQso - result.penalty);
  result.checked = stats::ClampedScore(points, result.kvant);
}

}  // namespace

CheckResult CheckContest(const Contest& contest, const CheckOptions& options) {
  CheckResult result;
  result.calls.logOfCall = contest.CheckedLogOfCall();
  result.calls.logsWith = LogsWith(contest, {});
  const std::vector<bool> matchable = CountedModeAndBand(contest, options);
  const ExchangeCheck exchanges(contest);
  std::vector<ClockEstimate> clocks;
  std::vector<std::int64_t> corrected(contest.qsos.size());
  std::vector<QsoId> partner(contest.qsos.size(), kNone);
  {
    QsoLinks links = LinkQsos(contest, result.calls.logOfCall, matchable);
    clocks = EstimateClocks(contest, links, FindAnchors(contest, links, exchanges, kAnchorSpan),
                            options.windowSeconds);
    for (QsoId id = 0; id < contest.qsos.size(); ++id) {
      corrected[id] = MomentOf(contest.qsos[id]) - clocks[contest.qsos[id].log].OffsetOf(id);
    }
    Retime(links, corrected);
    PairWithinWindow(contest, links, exchanges, options.windowSeconds, partner);
  }
  result.judgements.assign(contest.qsos.size(), Judgement{});
  FindBustedCalls(contest, result.calls, corrected, matchable, exchanges, options.windowSeconds,
                  partner, result.judgements);
  PairTimeSlips(contest, result.calls.logOfCall, corrected, matchable, exchanges, partner,
                result.judgements);
  result.calls.logsWith = LogsWith(contest, result.judgements);

  for (LogId log = 0; log < contest.logs.size(); ++log) {
    if (!contest.logs[log].Checked()) continue;
    for (QsoId id = contest.logs[log].firstQso; id < contest.logs[log].endQso; ++id) {
      Judgement& judgement = result.judgements[id];
      if (!matchable[id] || contest.qsos[id].excluded || !InPeriod(corrected[id], options)) {
        judgement = Judgement{kNone, kNone, Verdict::kOutOfContest};
      } else if (judgement.verdict != Verdict::kBustedCall) {
        const Note note = judgement.note;
        judgement = Judge(contest, id, result.calls, partner[id], exchanges, options);
        if (partner[id] != kNone) judgement.note = note;
      }
    }
  }
  FindNearestLines(contest, result.calls, corrected, options.windowSeconds, result.judgements);
  MarkDupes(contest, corrected, result.judgements);

  result.logs.resize(contest.logs.size());
  for (LogId log = 0; log < contest.logs.size(); ++log) {
    LogResult& logResult = result.logs[log];
    logResult.clock = std::move(clocks[log]);
    if (!contest.logs[log].Checked()) continue;
    Score(contest, log, result.judgements, options, logResult);
    logResult.clockDoubt = DoubtAbout(contest, log, result.judgements, logResult.clock);
  }
  return result;
}

}  // namespace crosscheck
