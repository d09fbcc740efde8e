#include "crosscheck/check/check_contest.h"

#include <algorithm>

#include "crosscheck/check/dupes.h"
#include "crosscheck/check/exchange_check.h"
#include "crosscheck/check/pairing.h"
#include "crosscheck/check/qso_links.h"
#include "stats/rules/kvant.h"
#include "stats/rules/score.h"

namespace crosscheck {
namespace {

CallIndex IndexCalls(const Contest& contest) {
  CallIndex index;
  index.logOfCall = contest.CheckedLogOfCall();
  index.logsWith.assign(contest.calls.Size(), 0);
  std::vector<LogId> lastLog(contest.calls.Size(), kNone);
  for (LogId log = 0; log < contest.logs.size(); ++log) {
    if (!contest.logs[log].Checked()) continue;
    for (QsoId id = contest.logs[log].firstQso; id < contest.logs[log].endQso; ++id) {
      const CallId call = contest.qsos[id].call;
      if (lastLog[call] != log) ++index.logsWith[call], lastLog[call] = log;
    }
  }
  return index;
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
    return Judgement{partner, kNone, right ? Verdict::kOk : Verdict::kBustedExchange, right};
  }
  if (calls.logOfCall[qso.call] != kNone) return Judgement{kNone, kNone, Verdict::kNil, false};
  const std::uint32_t logsWith = calls.logsWith[qso.call];
  if (logsWith <= 1) return Judgement{kNone, kNone, Verdict::kUnique, options.countUniques};
  return Judgement{kNone, kNone, Verdict::kNoLog,
                   logsWith >= static_cast<std::uint32_t>(std::max(options.minLogs, 0))};
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
  result.calls = IndexCalls(contest);
  const std::vector<bool> matchable = CountedModeAndBand(contest, options);
  std::vector<ClockEstimate> clocks;
  std::vector<QsoId> partner(contest.qsos.size(), kNone);
  {
    const QsoLinks links = LinkQsos(contest, result.calls.logOfCall, matchable);
    clocks = EstimateClocks(links, contest.logs.size(), options.windowSeconds);
    PairWithinWindow(links, clocks, options.windowSeconds, partner);
  }
  result.judgements.assign(contest.qsos.size(), Judgement{});
  FindBustedCalls(contest, result.calls, clocks, matchable, options.windowSeconds, partner,
                  result.judgements);

  const ExchangeCheck exchanges(contest);
  for (LogId log = 0; log < contest.logs.size(); ++log) {
    if (!contest.logs[log].Checked()) continue;
    for (QsoId id = contest.logs[log].firstQso; id < contest.logs[log].endQso; ++id) {
      Judgement& judgement = result.judgements[id];
      const std::int64_t corrected = MomentOf(contest.qsos[id]) - clocks[log].offset;
      if (!matchable[id] || !InPeriod(corrected, options)) {
        judgement = Judgement{kNone, kNone, Verdict::kOutOfContest, false};
      } else if (judgement.verdict != Verdict::kBustedCall) {
        judgement = Judge(contest, id, result.calls, partner[id], exchanges, options);
      }
    }
  }
  MarkDupes(contest, clocks, result.judgements);

  result.logs.resize(contest.logs.size());
  for (LogId log = 0; log < contest.logs.size(); ++log) {
    result.logs[log].clock = clocks[log];
    if (contest.logs[log].Checked())
      Score(contest, log, result.judgements, options, result.logs[log]);
  }
  return result;
}

}  // namespace crosscheck
