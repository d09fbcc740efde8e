#pragma once

// The plug-in's own copy of the contest log: the accepted QSOs in the order of
// arrival, and the bands seen. Records are kept in a list (stable positions)
// with an index by call sign and counts per band, so that finding a call's
// records, removing one and scoring cost the same at any log size.

#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "stats/qso.h"
#include "stats/rules/interned.h"
#include "stats/rules/kvant.h"

namespace stats {

// What the result counts on one band, kept up to date as records come and go,
// so that scoring costs the same at any log size.
class BandTally {
 public:
  void Add(const Qso& qso);
  void Remove(const Qso& qso);

  std::size_t Records() const noexcept { return records_; }
  // Over the records with a call sign: all of them, those in CW, those in SSB,
  // and the Kvant.
  std::int32_t Qsos() const noexcept { return qsos_; }
  std::int32_t Cw() const noexcept { return cw_; }
  std::int32_t Ssb() const noexcept { return ssb_; }
  std::int32_t Kvant() const noexcept { return kvant_.Count(); }

 private:
  void CountInModeColumn(std::string_view mode, std::int32_t change) noexcept;

  std::size_t records_ = 0;
  std::int32_t qsos_ = 0;
  std::int32_t cw_ = 0;
  std::int32_t ssb_ = 0;
  KvantTally<std::string> kvant_;  // by call
};

class QsoStore {
 public:
  using Records = std::list<Qso>;
  using Position = Records::const_iterator;

  QsoStore() = default;
  // A copy's index would point into the original's records.
  QsoStore(const QsoStore&) = delete;
  QsoStore& operator=(const QsoStore&) = delete;
  QsoStore(QsoStore&&) = default;
  QsoStore& operator=(QsoStore&&) = default;

  void Add(Qso qso);
  // Removes the record that `qso` describes: the first, in store order, that
  // equals it in call, mode, band, QSO time (to the second), frequency, both
  // reports and both exchanges; when there is none, the first with its call,
  // mode and band. Returns whether a record was removed.
  bool RemoveFirstLike(const Qso& qso);
  void Clear() noexcept;

  std::size_t Count() const noexcept { return records_.size(); }
  // Every record, oldest first.
  const Records& All() const noexcept { return records_; }
  // The records of one call sign, oldest first.
  const std::vector<Position>& WithCall(std::string_view call) const;
  // How many records are on this band.
  std::size_t CountOnBand(std::string_view band) const;
  // The counts of one band; null when no record is on it.
  const BandTally* TallyOf(std::string_view band) const;

 private:
  Records records_;
  Interned<std::string> calls_;
  std::vector<std::vector<Position>> byCall_;  // by the call's number
  Interned<std::string> bands_;
  std::vector<BandTally> perBand_;  // by the band's number; a band may have no record left
};

// The distinct band texts of accepted QSOs, in the order first seen; the result
// computation reorders it in place and later bands are appended.
class BandList {
 public:
  void AddIfNew(std::string_view band);
  void Clear() noexcept;
  std::vector<std::string>& Entries() noexcept { return entries_; }
  const std::vector<std::string>& Entries() const noexcept { return entries_; }

 private:
  std::vector<std::string> entries_;
  Interned<std::string> known_;
};

}  // namespace stats
