#include "stats-host/report/kvant_slips.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace stats_host {

namespace {

constexpr std::uint32_t kMarked = std::uint32_t{1} << 31;

}  // namespace

void KvantSlipFinder::Add(const logs::HostQso& qso) {
  const std::string& received = qso.exchangeReceived;
  const std::uint32_t call = calls_.IdOf(qso.call);
  if (call == sentTheirMark_.size()) sentTheirMark_.push_back(false);
  if (!received.empty() && (received.front() == 'W' || received.front() == 'w')) {
    sentTheirMark_[call] = true;
  }
  const auto column = static_cast<std::uint64_t>(stats::KvantColumnOf(qso.mode));
  const std::uint64_t key =
      std::uint64_t{call} << 32 | std::uint64_t{bands_.IdOf(qso.band)} << 1 | column;
  worked_.push_back(
      Worked{key, static_cast<std::uint32_t>(qso.record),
             received_.IdOf(received) | (stats::IsKvantExchange(received) ? kMarked : 0)});
}

void KvantSlipFinder::OnAbandon() noexcept { *this = KvantSlipFinder(); }

std::vector<KvantSlip> KvantSlipFinder::Slips(const std::vector<std::string>& bandOrder) const {
  std::vector<Worked> byKey = worked_;
  std::stable_sort(byKey.begin(), byKey.end(),
                   [](const Worked& a, const Worked& b) { return a.key < b.key; });
  std::vector<KvantSlip> slips;
  for (std::size_t i = 0; i < byKey.size();) {
    const Worked& first = byKey[i];
    bool marked = false;
    for (; i < byKey.size() && byKey[i].key == first.key; ++i) {
      marked = marked || (byKey[i].received & kMarked) != 0;
    }
    const auto call = static_cast<std::uint32_t>(first.key >> 32);
    if (marked || !sentTheirMark_[call]) continue;
    slips.push_back(KvantSlip{std::string(calls_.Text(call)),
                              std::string(bands_.Text((first.key & 0xFFFFFFFFu) >> 1)),
                              static_cast<stats::KvantColumn>(first.key & 1), first.record,
                              std::string(received_.Text(first.received & ~kMarked))});
  }
  const auto rank = [&](const KvantSlip& slip) {
    return std::pair(std::find(bandOrder.begin(), bandOrder.end(), slip.band) - bandOrder.begin(),
                     slip.band);
  };
  std::stable_sort(slips.begin(), slips.end(), [&](const KvantSlip& a, const KvantSlip& b) {
    const auto rankA = rank(a);
    const auto rankB = rank(b);
    return std::tie(rankA, a.column, a.call) < std::tie(rankB, b.column, b.call);
  });
  return slips;
}

int SlipsOn(const std::vector<KvantSlip>& slips, const std::string& band,
            stats::KvantColumn column) {
  return static_cast<int>(std::count_if(slips.begin(), slips.end(), [&](const KvantSlip& slip) {
    return slip.band == band && slip.column == column;
  }));
}

}  // namespace stats_host
