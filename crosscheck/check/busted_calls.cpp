#include "crosscheck/check/busted_calls.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "crosscheck/check/call_edit.h"

namespace crosscheck {
namespace {

// A QSO with a checked log's station that nothing confirmed, as that log sees it.
struct Unconfirmed {
  std::uint64_t bandMode = 0;
  std::int64_t corrected = 0;
  QsoId qso = 0;

  auto Key() const { return std::tie(bandMode, corrected, qso); }
};

std::uint64_t BandMode(const Qso& qso) { return std::uint64_t{qso.band} << 8 | qso.contestMode; }

}  // namespace

void FindBustedCalls(const Contest& contest, const CallIndex& calls,
                     const std::vector<ClockEstimate>& clocks, const std::vector<bool>& matchable,
                     std::int64_t windowSeconds, std::vector<QsoId>& partner,
                     std::vector<Judgement>& judgements) {
  const auto corrected = [&](const Qso& qso) { return MomentOf(qso) - clocks[qso.log].offset; };
  // Per log, the unconfirmed QSOs of other logs with its station.
  std::vector<std::vector<Unconfirmed>> towards(contest.logs.size());
  for (QsoId id = 0; id < contest.qsos.size(); ++id) {
    const Qso& qso = contest.qsos[id];
    if (!matchable[id] || partner[id] != kNone) continue;
    const LogId worked = calls.logOfCall[qso.call];
    if (worked != kNone && worked != qso.log) {
      towards[worked].push_back(Unconfirmed{BandMode(qso), corrected(qso), id});
    }
  }
  for (auto& list : towards) {
    std::sort(list.begin(), list.end(),
              [](const Unconfirmed& a, const Unconfirmed& b) { return a.Key() < b.Key(); });
  }

  for (QsoId id = 0; id < contest.qsos.size(); ++id) {
    const Qso& qso = contest.qsos[id];
    if (!matchable[id] || partner[id] != kNone) continue;
    if (calls.logOfCall[qso.call] != kNone || calls.logsWith[qso.call] > 1) continue;
    const std::vector<Unconfirmed>& list = towards[qso.log];
    const Unconfirmed from{BandMode(qso), corrected(qso) - windowSeconds, 0};
    const std::string& logged = contest.calls.Text(qso.call);
    QsoId best = kNone;
    std::tuple<int, std::int64_t> bestRank;
    for (auto it = std::lower_bound(
             list.begin(), list.end(), from,
             [](const Unconfirmed&a, const Unconfirmed&b) { return a.Key() < b.Key(); });
         it != list.end() && it->bandMode == from.bandMode &&
         it->corrected <= corrected(qso) + windowSeconds;
         ++it) {
      if (partner[it->qso] != kNone) continue;
      const CallId real = contest.logs[contest.qsos[it->qso].log].ownCall;
      const CallEdit edit = OneEditApart(logged, contest.calls.Text(real));
      if (edit == CallEdit::kNone) continue;
      const std::int64_t apart = std::abs(it->corrected - corrected(qso));
      const std::tuple<int, std::int64_t> rank{edit == CallEdit::kCwAlike ? 0 : 1, apart};
      if (best == kNone || rank < bestRank) best = it->qso, bestRank = rank;
    }
    if (best == kNone) continue;
    partner[id] = best;
    partner[best] = id;
    judgements[id].verdict = Verdict::kBustedCall;
    judgements[id].evidence = best;
    judgements[id].correctCall = contest.logs[contest.qsos[best].log].ownCall;
  }
}

}  // namespace crosscheck
