#include "crosscheck/check/pairing.h"

#include <algorithm>
#include <tuple>

namespace crosscheck {
namespace {

constexpr std::uint32_t kMostCandidates = 8;  // per QSO: a log full of repeats stays cheap

struct Candidate {
  int disagreements = 0;   // numbers not copied as sent: 0, 1 or 2
  std::int64_t apart = 0;  // seconds, never negative
  std::uint32_t low = 0;   // link of the low log
  std::uint32_t high = 0;

  auto Key() const { return std::tie(disagreements, apart, low, high); }
};

}  // namespace

void PairWithinWindow(const Contest& contest, const QsoLinks& links, const ExchangeCheck& exchanges,
                      std::int64_t windowSeconds, std::vector<QsoId>& partner) {
  const auto disagreements = [&](QsoId a, QsoId b) {
    const Qso& one = contest.qsos[a];
    const Qso& other = contest.qsos[b];
    return (exchanges.FormOf(one.sent) != exchanges.FormOf(other.received) ? 1 : 0) +
           (exchanges.FormOf(one.received) != exchanges.FormOf(other.sent) ? 1 : 0);
  };
  const auto& all = links.links;
  std::vector<Candidate> candidates;
  for (const LinkGroup& group : links.groups) {
    candidates.clear();
    for (std::uint32_t i = group.begin; i < group.middle; ++i) {
      const std::int64_t time = all[i].time;
      std::uint32_t j = FirstAtOrAfter(all, group.middle, group.end, time - windowSeconds);
      for (std::uint32_t taken = 0;
           j < group.end && all[j].time <= time + windowSeconds && taken < kMostCandidates;
           ++j, ++taken) {
        const std::int64_t apart = all[j].time - time;
        candidates.push_back(
            Candidate{disagreements(all[i].qso, all[j].qso), apart < 0 ? -apart : apart, i, j});
      }
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.Key() < b.Key(); });
    for (const Candidate& candidate : candidates) {
      const QsoId low = all[candidate.low].qso;
      const QsoId high = all[candidate.high].qso;
      if (partner[low] != kNone || partner[high] != kNone) continue;
      partner[low] = high;
      partner[high] = low;
    }
  }
}

}  // namespace crosscheck
