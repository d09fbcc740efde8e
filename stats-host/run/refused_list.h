#pragma once

// The QSOs that the plug-in refused, in the order of the log.

#include <optional>
#include <utility>
#include <vector>

#include "stats-host/run/qso_observer.h"
#include "stats-host/run/run_result.h"

namespace stats_host {

class RefusedList final : public QsoObserver {
 public:
  void OnQso(const HandedQso& handed) override {
    if (handed.stored) return;
    const logs::HostQso& qso = handed.qso;
    refused_.push_back(RefusedQso{qso.record, qso.call, qso.date, qso.secondOfDay, qso.band,
                                  qso.mode, std::nullopt, qso.exchangeSent.empty(),
                                  qso.exchangeReceived.empty()});
  }
  void OnAbandon() noexcept override { std::vector<RefusedQso>().swap(refused_); }

  std::vector<RefusedQso> Take() { return std::move(refused_); }

 private:
  std::vector<RefusedQso> refused_;
};

}  // namespace stats_host
