#pragma once

// Which QSOs the plug-in's tour check would have warned about while they were
// being logged. The real check (CheckCall0) compares the stored QSOs with the
// computer's present UTC hour, so replaying an old log through it would measure
// against the wrong clock. This applies the same rule with the QSO's own time
// as the present: a QSO is a repeat when a QSO stored before it (accepted by
// AddData0, earlier in the log) has the same call, band and mode, compared
// exactly, in the same tour (stats/rules/tours.h: the hour of the day, whatever
// the date).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logs/adif/qso_mapping.h"
#include "logs/time/qso_date.h"
#include "stats-host/run/qso_observer.h"
#include "stats/rules/interned.h"

namespace stats_host {

struct TourRepeat {
  std::size_t record = 0;  // the repeating QSO
  logs::QsoDate date;
  int secondOfDay = 0;
  std::string call;
  std::string band;
  std::string mode;
  std::size_t earlierRecord = 0;  // the first stored QSO it repeats
  logs::QsoDate earlierDate;
  int earlierSecondOfDay = 0;
};

// Sees the QSOs in the order they are handed to the plug-in, in one pass: one
// entry per call, band, mode and hour of the QSOs stored so far, the calls
// kept once each.
class TourRepeatFinder final : public QsoObserver {
 public:
  // The next QSO, and whether the plug-in stored it: the repeat it is, if any.
  std::optional<TourRepeat> Next(const logs::HostQso& qso, bool stored);

  // Observes a run: every repeat is kept, in the order of the log.
  void OnQso(const HandedQso& handed) override;
  void OnAbandon() noexcept override;
  const std::vector<TourRepeat>& Repeats() const { return repeats_; }

 private:
  // The first stored QSO of one call, band, mode and hour.
  struct FirstStored {
    std::uint64_t record;
    std::int32_t day;  // since the OLE epoch
    std::int32_t secondOfDay;
  };

  // The call's number, the band and mode's number and the hour in one number.
  std::uint64_t KeyOf(const logs::HostQso& qso);

  stats::Interned<std::string> calls_;
  stats::Interned<std::string> bandsAndModes_;
  std::string bandAndMode_;
  stats::Interned<std::uint64_t> keys_;
  std::vector<FirstStored> firstStored_;  // by key number
  std::vector<TourRepeat> repeats_;
};

}  // namespace stats_host
