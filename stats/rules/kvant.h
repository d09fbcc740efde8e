#pragma once

// Kvant, the contest's multiplier: a station whose received exchange begins
// with a capital "W" is a marked station, and each marked station counts once
// per band in CW and once in the other contest modes together.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "stats/rules/interned.h"

namespace stats {

enum class KvantColumn { kCw, kOtherModes };

// Whether the received exchange marks the station.
constexpr bool IsKvantExchange(std::string_view exchangeReceived) noexcept {
  return !exchangeReceived.empty() && exchangeReceived.front() == 'W';
}

// The column in which a QSO in this mode counts its marked station.
KvantColumn KvantColumnOf(std::string_view mode) noexcept;

// The marked stations of a log, each counted once per column however many
// QSOs mark it; a QSO taken out again no longer counts. `Station` tells the
// stations apart on what the tally covers: the call for one band's tally, or a
// number made of the band's and the call's for a whole log. QSOs without a
// call sign never come here.
template <typename Station>
class KvantTally {
 public:
  using Lookup = typename Interned<Station>::Lookup;

  struct Mark {
    std::uint32_t station;  // its number in Stations()
    KvantColumn column;
  };

  // A QSO with the station: what it marks, or nothing when its exchange marks
  // no station.
  std::optional<Mark> Add(Lookup station, std::string_view mode,
                          std::string_view exchangeReceived) {
    if (!IsKvantExchange(exchangeReceived)) return std::nullopt;
    const Mark mark{stations_.IdOf(station), KvantColumnOf(mode)};
    if (mark.station >= marks_.size()) marks_.resize(stations_.Size());
    if (marks_[mark.station][Index(mark.column)]++ == 0) ++counted_;
    return mark;
  }

  void Remove(Lookup station, std::string_view mode, std::string_view exchangeReceived) noexcept {
    if (!IsKvantExchange(exchangeReceived)) return;
    const std::uint32_t id = stations_.Find(station);
    if (id >= marks_.size()) return;  // never marked
    std::int32_t& marks = marks_[id][Index(KvantColumnOf(mode))];
    if (marks > 0 && --marks == 0) --counted_;
  }

  // The marked stations, each once per column it counts in.
  std::int32_t Count() const noexcept { return counted_; }

  // Whether the station counts in the column.
  bool Counts(std::uint32_t station, KvantColumn column) const noexcept {
    return station < marks_.size() && marks_[station][Index(column)] > 0;
  }

  // Every station that was marked, counting or not, by number.
  const Interned<Station>& Stations() const noexcept { return stations_; }

 private:
  static std::size_t Index(KvantColumn column) noexcept { return static_cast<std::size_t>(column); }

  Interned<Station> stations_;
  std::vector<std::array<std::int32_t, 2>> marks_;  // by station: QSOs that mark it, per column
  std::int32_t counted_ = 0;
};

}  // namespace stats
