#pragma once

// Kvant lost to a slip in the log: a marked station (one that sent its W in
// some QSO, or a "w") logged on a band, in CW or in the other modes, without a
// W in any of its QSOs there. Each such band and column would have given one
// Kvant; the likely cause is a W left out, or written "w", when it was logged.

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "logs/adif/qso_mapping.h"
#include "stats-host/run/qso_observer.h"
#include "stats/rules/kvant.h"

namespace stats_host {

struct KvantSlip {
  std::string call;
  std::string band;
  stats::KvantColumn column = stats::KvantColumn::kCw;
  std::size_t record = 0;  // its first QSO there
  std::string received;    // as that QSO logged it
};

// Observes a run: the QSOs that the plug-in stored count.
class KvantSlipFinder final : public QsoObserver {
 public:
  void OnQso(const HandedQso& handed) override {
    if (handed.stored) Add(handed.qso);
  }
  void OnAbandon() noexcept override;
  void Add(const logs::HostQso& qso);

  // The bands in `bandOrder` first, then the others, each by column and call.
  std::vector<KvantSlip> Slips(const std::vector<std::string>& bandOrder) const;

 private:
  struct Worked {
    bool marked = false;  // a QSO there gave the Kvant
    std::size_t record = 0;
    std::string received;
  };
  // band, column, call
  using Key = std::tuple<std::string, stats::KvantColumn, std::string>;

  std::map<Key, Worked> worked_;
  std::set<std::string> sentTheirMark_;  // calls that sent W or w in some QSO
};

// How many of `slips` are on `band`, in `column`.
int SlipsOn(const std::vector<KvantSlip>& slips, const std::string& band,
            stats::KvantColumn column);

}  // namespace stats_host
