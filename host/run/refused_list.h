#pragma once

// The QSOs that the plug-in refused, in the order of the log.

#include <optional>
#include <utility>
#include <vector>

#include "host/run/qso_observer.h"
#include "host/run/run_result.h"

namespace host {

class RefusedList final : public QsoObserver {
 public:
  void OnQso(const HandedQso& handed) override {
    if (handed.stored) return;
    refused_.push_back(RefusedQso{handed.qso.record, handed.qso.call, std::nullopt,
                                  handed.qso.exchangeSent.empty(),
                                  handed.qso.exchangeReceived.empty()});
  }
  void OnAbandon() noexcept override { std::vector<RefusedQso>().swap(refused_); }

  std::vector<RefusedQso> Take() { return std::move(refused_); }

 private:
  std::vector<RefusedQso> refused_;
};

}  // namespace host
