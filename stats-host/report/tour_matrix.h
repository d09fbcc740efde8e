#pragma once

// QSOs and Kvant per tour and band, counted as the QSOs are handed to the
// plug-in, so that the log never has to be held whole. A tour is a clock hour
// of the log (date and hour, UTC).

#include <array>
#include <map>
#include <string>
#include <vector>

#include "logs/adif/qso_mapping.h"
#include "logs/time/qso_date.h"
#include "stats-host/run/qso_observer.h"
#include "stats/rules/kvant.h"

namespace stats_host {

struct TourCell {
  int qsos = 0;
  int kvant = 0;
};

struct TourRow {
  long number = 0;  // clock hours since the OLE epoch
  logs::QsoDate date;
  int hour = 0;
  std::vector<TourCell> bands;  // in the order of TourTable::bands
  TourCell total;
  TourCell sinceStart;  // this tour and all before it
  long long score = 0;  // of sinceStart, as the contest's rules score it
};

struct TourTable {
  std::vector<std::string> bands;
  std::vector<TourRow> tours;
  std::vector<TourCell> bandTotals;
  TourCell total;
};

// Logs that span at most this many clock hours get a row for every hour.
inline constexpr long kMaxFilledTours = 48;

inline constexpr long kNotWorked = -1;

// Each marked station with the tour of its first Kvant on each band, in CW and
// in the other modes.
struct KvantGridRow {
  std::string call;
  std::vector<long> firstTours;  // band by band, CW then the other modes: a tour or kNotWorked
};

struct KvantGrid {
  std::vector<std::string> bands;
  std::vector<KvantGridRow> rows;  // by call
};

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
  void Add(const logs::HostQso& qso);

  // Bands in `bandOrder` (the plug-in's order) first, then the others in the
  // order of their first QSO. One row per clock hour from the first QSO to the
  // last when that span is at most kMaxFilledTours, else one per hour with QSOs.
  TourTable Table(const std::vector<std::string>& bandOrder) const;

  // The marked stations on `bands`.
  KvantGrid Grid(const std::vector<std::string>& bands) const;

 private:
  // The marked stations of one band, each with the tour of its earliest QSO
  // that counts it, in CW and in the other modes.
  struct BandKvant {
    stats::KvantTally<std::string> tally;
    std::vector<std::array<long, 2>> firstTours;  // by station, CW then the other modes

    void Add(const logs::HostQso& qso, long tour);
    // f(call, column, tour) for every marked station, once per column it counts in.
    template <typename Visit>
    void ForEachMarked(const Visit& visit) const;
  };

  std::map<long, std::map<std::string, int>> qsos_;  // tour number -> band -> QSOs
  std::vector<std::string> bandsSeen_;
  std::map<std::string, BandKvant> kvant_;  // by band
};

}  // namespace stats_host
