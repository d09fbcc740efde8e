#include "stats-host/report/kvant_slips.h"

#include <algorithm>

namespace stats_host {

void KvantSlipFinder::Add(const logs::HostQso& qso) {
  const std::string& received = qso.exchangeReceived;
  if (!received.empty() && (received.front() == 'W' || received.front() == 'w')) {
    sentTheirMark_.insert(qso.call);
  }
  const auto [entry, added] =
      worked_.try_emplace(Key{qso.band, stats::KvantColumnOf(qso.mode), qso.call});
  Worked& worked = entry->second;
  if (added) worked = Worked{false, qso.record, received};
  worked.marked = worked.marked || stats::IsKvantExchange(received);
}

void KvantSlipFinder::OnAbandon() noexcept { *this = KvantSlipFinder(); }

std::vector<KvantSlip> KvantSlipFinder::Slips(const std::vector<std::string>& bandOrder) const {
  std::vector<KvantSlip> slips;
  for (const auto& [key, worked] : worked_) {
    const auto& [band, column, call] = key;
    if (worked.marked || !sentTheirMark_.contains(call)) continue;
    slips.push_back(KvantSlip{call, band, column, worked.record, worked.received});
  }
  const auto rank = [&](const std::string& band) {
    return std::find(bandOrder.begin(), bandOrder.end(), band) - bandOrder.begin();
  };
  std::stable_sort(slips.begin(), slips.end(), [&](const KvantSlip& a, const KvantSlip& b) {
    return rank(a.band) < rank(b.band);
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
