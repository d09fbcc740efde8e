#include "crosscheck/check/nearest_lines.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "crosscheck/check/call_edit.h"

namespace crosscheck {
namespace {

constexpr std::int64_t kNearWithTheStation = 3600;

}  // namespace

void FindNearestLines(const Contest& contest, const CallIndex& calls,
                      const std::vector<std::int64_t>& corrected, std::int64_t windowSeconds,
                      std::vector<Judgement>& judgements) {
  // Every checked log's QSOs in corrected time order, log after log.
  std::vector<std::pair<std::int64_t, QsoId>> byTime;
  std::vector<std::size_t> first(contest.logs.size() + 1, 0);
  for (LogId log = 0; log < contest.logs.size(); ++log) {
    first[log] = byTime.size();
    if (!contest.logs[log].Checked()) continue;
    for (QsoId id = contest.logs[log].firstQso; id < contest.logs[log].endQso; ++id) {
      byTime.emplace_back(corrected[id], id);
    }
    std::sort(byTime.begin() + static_cast<std::ptrdiff_t>(first[log]), byTime.end());
  }
  first.back() = byTime.size();

  for (QsoId id = 0; id < contest.qsos.size(); ++id) {
    if (judgements[id].verdict != Verdict::kNil) continue;
    const Qso& qso = contest.qsos[id];
    const LogId other = calls.logOfCall[qso.call];
    const CallId own = contest.logs[qso.log].ownCall;
    const std::string& ownText = contest.calls.Text(own);
    const auto begin = byTime.begin() + static_cast<std::ptrdiff_t>(first[other]);
    const auto end = byTime.begin() + static_cast<std::ptrdiff_t>(first[other + 1]);
    const auto near =
        std::lower_bound(begin, end, std::pair{corrected[id] - kNearWithTheStation, QsoId{0}});
    QsoId best = kNone;
    std::int64_t bestApart = 0;
    bool bestSameCall = false;
    for (auto it = near; it != end && it->first <= corrected[id] + kNearWithTheStation; ++it) {
      const std::int64_t apart = std::llabs(it->first - corrected[id]);
      const Qso& candidate = contest.qsos[it->second];
      const bool sameCall = candidate.call == own;
      if (!sameCall && (apart > windowSeconds || CallEditOf(contest.calls.Text(candidate.call),
                                                            ownText, false) == CallEdit::kNone)) {
        continue;
      }
      // A QSO with this station before one with a close call, then the nearest.
      if (best == kNone || std::pair{!sameCall, apart} < std::pair{!bestSameCall, bestApart}) {
        best = it->second, bestApart = apart, bestSameCall = sameCall;
      }
    }
    if (best != kNone) {
      judgements[id].evidence = best;
      judgements[id].note = Note::kNearest;
    }
  }
}

}  // namespace crosscheck
