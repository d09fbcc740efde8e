#pragma once

// When the QSOs that the plug-in counted were made: the first and the last,
// the operating time, the best rates, and for each tour the QSOs of each ten
// minutes and the changes of band and mode. Times are seconds since the OLE
// epoch (30 December 1899 00:00 UTC); a tour is a clock hour of the log, its
// number the hours since that epoch, as TourMatrix counts them.

#include <array>
#include <cstdint>
#include <map>
#include <vector>

#include "logs/adif/qso_mapping.h"
#include "stats-host/run/qso_observer.h"
#include "stats/rules/interned.h"

namespace stats_host {

// A gap between two QSOs of at least this is off time, not operating time.
inline constexpr long long kOffTimeSeconds = 30 * 60;
inline constexpr int kSlotsPerTour = 6;  // of ten minutes

// The QSOs within the busiest window of a length, and the times of its first
// and last QSO (the earliest such window where several are as busy).
struct RateWindow {
  int qsos = 0;
  long long first = 0;
  long long last = 0;
};

struct TourActivity {
  std::array<int, kSlotsPerTour> tenMinutes{};
  int bandChanges = 0;  // QSOs on another band than the QSO before them
  int modeChanges = 0;  // in another mode than the QSO before them
};

struct Timeline {
  int qsos = 0;
  long long first = 0;
  long long last = 0;
  long long operatingSeconds = 0;  // from the first QSO to the last, less the off time
  int breaks = 0;                  // gaps of kOffTimeSeconds or more
  long long breakSeconds = 0;
  RateWindow best10;                   // ten minutes
  RateWindow best60;                   // sixty minutes
  int busiestSlot = 0;                 // the most QSOs in one ten minutes of a tour
  std::map<long, TourActivity> tours;  // by tour number, only tours with QSOs
};

// Observes a run: the QSOs that the plug-in stored count, taken in the order
// of time (QSOs at the same second in the order of the log).
class QsoTimeline final : public QsoObserver {
 public:
  void OnQso(const HandedQso& handed) override {
    if (handed.stored) Add(handed.qso);
  }
  void OnAbandon() noexcept override;

  void Add(const logs::HostQso& qso);
  Timeline Summary();

 private:
  struct Moment {
    long long second;
    std::uint32_t band;
    std::uint32_t mode;
  };

  stats::Interned<std::string> bands_;
  stats::Interned<std::string> modes_;
  std::vector<Moment> moments_;
};

}  // namespace stats_host
