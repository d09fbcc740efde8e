#pragma once

// QSOs and Kvant per tour and band, counted as the QSOs are handed to the
// plug-in, so that the log never has to be held whole. A tour is a clock hour
// of the log (date and hour, UTC).

#include <map>
#include <string>
#include <vector>

#include "host/adif/qso_date.h"
#include "host/adif/qso_mapping.h"
#include "host/run/qso_observer.h"

namespace host {

struct TourCell {
  int qsos = 0;
  int kvant = 0;
};

struct TourRow {
  QsoDate date;
  int hour = 0;
  std::vector<TourCell> bands;  // in the order of TourTable::bands
  TourCell total;
};

struct TourTable {
  std::vector<std::string> bands;
  std::vector<TourRow> tours;
  std::vector<TourCell> bandTotals;
  TourCell total;
};

// Logs that span at most this many clock hours get a row for every hour.
inline constexpr long kMaxFilledTours = 48;

// Observes a run: the QSOs that the plug-in stored count.
class TourMatrix final : public QsoObserver {
 public:
  void OnQso(const HandedQso& handed) override {
    if (handed.stored) Add(handed.qso);
  }
  void OnAbandon() noexcept override;

  // A QSO that the plug-in stored. It counts in its tour and band, and a
  // station it marks counts as Kvant (stats/rules/kvant.h) in the tour of its
  // earliest such QSO.
  void Add(const HostQso& qso);

  // Bands in `bandOrder` (the plug-in's order) first, then the others in the
  // order of their first QSO. One row per clock hour from the first QSO to the
  // last when that span is at most kMaxFilledTours, else one per hour with QSOs.
  TourTable Table(const std::vector<std::string>& bandOrder) const;

 private:
  using FirstTours = std::map<std::string, long>;  // marked call -> its earliest tour

  std::map<long, std::map<std::string, int>> qsos_;  // tour number -> band -> QSOs
  std::vector<std::string> bandsSeen_;
  std::map<std::string, FirstTours> markedCw_;     // by band
  std::map<std::string, FirstTours> markedOther_;  // by band
};

}  // namespace host
