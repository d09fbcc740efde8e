#pragma once

// Kvant lost to a slip in the log: a marked station (one that sent its W in
// some QSO, or a "w") logged on a band, in CW or in the other modes, without a
// W in any of its QSOs there. Each such band and column would have given one
// Kvant; the likely cause is a W left out, or written "w", when it was logged.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "logs/adif/qso_mapping.h"
#include "stats-host/run/qso_observer.h"
#include "stats/rules/interned.h"
#include "stats/rules/kvant.h"

namespace stats_host {

struct KvantSlip {
  std::string call;
  std::string band;
  stats::KvantColumn column = stats::KvantColumn::kCw;
  std::size_t record = 0;  // its first QSO there
  std::string received;    // as that QSO logged it
};

// Observes a run: the QSOs that the plug-in stored count. Keeps 24 bytes a
// QSO, the texts once each.
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
    std::uint64_t key;  // call, band and column
    std::uint32_t record;
    std::uint32_t received;  // its number, and kMarked where it gave the Kvant
  };

  stats::Interned<std::string> calls_;
  stats::Interned<std::string> bands_;
  stats::Interned<std::string> received_;
  std::vector<Worked> worked_;       // in the order of the log
  std::vector<bool> sentTheirMark_;  // by call: W or w in some QSO
};

// How many of `slips` are on `band`, in `column`.
int SlipsOn(const std::vector<KvantSlip>& slips, const std::string& band,
            stats::KvantColumn column);

}  // namespace stats_host
