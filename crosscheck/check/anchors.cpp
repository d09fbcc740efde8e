#include "crosscheck/check/anchors.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace crosscheck {
namespace {

constexpr std::size_t kMostPerQso = 4;
constexpr std::size_t kMostSameNumbers = 64;

// A QSO of a group as its numbers say: `first` is what the low log sent,
// `second` what it received, from whichever side.
struct Numbered {
  std::uint32_t first = 0;
  std::uint32_t second = 0;
  std::int64_t time = 0;
  std::uint32_t link = 0;

  auto Key() const { return std::tie(first, second, time, link); }
};

void Collect(const Contest& contest, const QsoLinks& links, const ExchangeCheck& exchanges,
             std::uint32_t begin, std::uint32_t end, bool low, std::vector<Numbered>& side) {
  side.clear();
  for (std::uint32_t link = begin; link < end; ++link) {
    const Qso& qso = contest.qsos[links.links[link].qso];
    const std::uint32_t sent = exchanges.FormOf(qso.sent);
    const std::uint32_t received = exchanges.FormOf(qso.received);
    side.push_back(low ? Numbered{sent, received, links.links[link].time, link}
                       : Numbered{received, sent, links.links[link].time, link});
  }
  std::sort(side.begin(), side.end(),
            [](const Numbered& a, const Numbered& b) { return a.Key() < b.Key(); });
}

}  // namespace

std::vector<Anchor> FindAnchors(const Contest& contest, const QsoLinks& links,
                                const ExchangeCheck& exchanges, std::int64_t span) {
  std::vector<Anchor> anchors;
  std::vector<Numbered> low;
  std::vector<Numbered> high;
  std::vector<std::pair<std::int64_t, std::uint32_t>> nearest;
  for (const LinkGroup& group : links.groups) {
    Collect(contest, links, exchanges, group.begin, group.middle, true, low);
    Collect(contest, links, exchanges, group.middle, group.end, false, high);
    const auto numbers = [](const Numbered& n) { return std::tie(n.first, n.second); };
    std::size_t h = 0;
    for (std::size_t l = 0; l < low.size();) {
      std::size_t lowEnd = l;
      while (lowEnd < low.size() && numbers(low[lowEnd]) == numbers(low[l])) ++lowEnd;
      while (h < high.size() && numbers(high[h]) < numbers(low[l])) ++h;
      std::size_t highEnd = h;
      while (highEnd < high.size() && numbers(high[highEnd]) == numbers(low[l])) ++highEnd;
      // So many QSOs with the same numbers say nothing about which is which.
      if ((lowEnd - l) * (highEnd - h) > kMostSameNumbers) l = lowEnd;
      for (; l < lowEnd; ++l) {
        nearest.clear();
        for (std::size_t k = h; k < highEnd; ++k) {
          const std::int64_t apart = std::llabs(high[k].time - low[l].time);
          if (apart <= span) nearest.emplace_back(apart, high[k].link);
        }
        const std::size_t taken = std::min(nearest.size(), kMostPerQso);
        std::partial_sort(nearest.begin(), nearest.begin() + static_cast<std::ptrdiff_t>(taken),
                          nearest.end());
        for (std::size_t k = 0; k < taken; ++k) {
          anchors.push_back(Anchor{low[l].link, nearest[k].second});
        }
      }
      h = highEnd;
    }
  }
  return anchors;
}

}  // namespace crosscheck
