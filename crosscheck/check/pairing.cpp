#include "crosscheck/check/pairing.h"

#include <algorithm>
#include <tuple>

namespace crosscheck {
namespace {

constexpr std::uint32_t kMostCandidates = 8;  // per QSO: a log full of repeats stays cheap

struct Candidate {
  std::int64_t apart = 0;  // seconds, never negative
  std::uint32_t low = 0;   // link of the low log
  std::uint32_t high = 0;

  auto Key() const { return std::tie(apart, low, high); }
};

}  // namespace

void PairWithinWindow(const QsoLinks& links, const std::vector<ClockEstimate>& clocks,
                      std::int64_t windowSeconds, std::vector<QsoId>& partner) {
  const auto& all = links.links;
  std::vector<Candidate> candidates;
  for (const LinkGroup& group : links.groups) {
    const std::int64_t shift = clocks[group.high].offset - clocks[group.low].offset;
    candidates.clear();
    for (std::uint32_t i = group.begin; i < group.middle; ++i) {
      const std::int64_t time = all[i].time + shift;  // on the high log's clock
      std::uint32_t j = FirstAtOrAfter(all, group.middle, group.end, time - windowSeconds);
      for (std::uint32_t taken = 0;
           j < group.end && all[j].time <= time + windowSeconds && taken < kMostCandidates;
           ++j, ++taken) {
        const std::int64_t apart = all[j].time - time;
        candidates.push_back(Candidate{apart < 0 ? -apart : apart, i, j});
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
