#include "crosscheck/check/qso_links.h"

#include <algorithm>
#include <tuple>

namespace crosscheck {
namespace {

struct Keyed {
  std::uint64_t logs = 0;  // low log << 32 | high log
  std::uint64_t bandMode = 0;
  std::uint32_t side = 0;  // 0: the low log's QSO
  QsoLink link;

  auto Key() const { return std::tie(logs, bandMode, side, link.time, link.qso); }
};

}  // namespace

std::uint32_t FirstAtOrAfter(const std::vector<QsoLink>& links, std::uint32_t begin,
                             std::uint32_t end, std::int64_t time) {
  const auto found =
      std::lower_bound(links.begin() + begin, links.begin() + end, time,
                       [](const QsoLink& link, std::int64_t t) { return link.time < t; });
  return static_cast<std::uint32_t>(found - links.begin());
}

void Retime(QsoLinks& links, const std::vector<std::int64_t>& corrected) {
  for (QsoLink& link : links.links) link.time = corrected[link.qso];
  const auto byTime = [](const QsoLink& a, const QsoLink& b) {
    return std::tie(a.time, a.qso) < std::tie(b.time, b.qso);
  };
  for (const LinkGroup& group : links.groups) {
    const auto begin = links.links.begin();
    std::sort(begin + group.begin, begin + group.middle, byTime);
    std::sort(begin + group.middle, begin + group.end, byTime);
  }
}

QsoLinks LinkQsos(const Contest& contest, const std::vector<LogId>& logOfCall,
                  const std::vector<bool>& matchable) {
  std::vector<Keyed> keyed;
  for (QsoId id = 0; id < contest.qsos.size(); ++id) {
    const Qso& qso = contest.qsos[id];
    if (!matchable[id]) continue;
    const LogId other = logOfCall[qso.call];
    if (other == kNone || other == qso.log) continue;
    Keyed entry;
    const LogId low = std::min(qso.log, other);
    entry.logs = std::uint64_t{low} << 32 | std::max(qso.log, other);
    entry.bandMode = std::uint64_t{qso.band} << 8 | qso.contestMode;
    entry.side = qso.log == low ? 0 : 1;
    entry.link = QsoLink{MomentOf(qso), id};
    keyed.push_back(entry);
  }
  std::sort(keyed.begin(), keyed.end(),
            [](const Keyed& a, const Keyed& b) { return a.Key() < b.Key(); });

  QsoLinks result;
  result.links.reserve(keyed.size());
  for (const Keyed& entry : keyed) result.links.push_back(entry.link);
  for (std::size_t begin = 0; begin < keyed.size();) {
    std::size_t middle = begin;
    while (middle < keyed.size() && keyed[middle].logs == keyed[begin].logs &&
           keyed[middle].bandMode == keyed[begin].bandMode && keyed[middle].side == 0) {
      ++middle;
    }
    std::size_t end = middle;
    while (end < keyed.size() && keyed[end].logs == keyed[begin].logs &&
           keyed[end].bandMode == keyed[begin].bandMode) {
      ++end;
    }
    if (middle > begin && end > middle) {
      result.groups.push_back(LinkGroup{
          static_cast<LogId>(keyed[begin].logs >> 32),
          static_cast<LogId>(keyed[begin].logs & UINT32_MAX), static_cast<std::uint32_t>(begin),
          static_cast<std::uint32_t>(middle), static_cast<std::uint32_t>(end)});
    }
    begin = end;
  }
  return result;
}

}  // namespace crosscheck
