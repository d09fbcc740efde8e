#pragma once

// Kvant, the contest's multiplier: a station whose received exchange begins
// with a capital "W" is a marked station, and each marked station counts once
// per band in CW and once in the other contest modes together.

#include <cstdint>
#include <string_view>

#include "stats/rules/text_map.h"

namespace stats {

enum class KvantColumn { kCw, kOtherModes };

// Whether the received exchange marks the station.
constexpr bool IsKvantExchange(std::string_view exchangeReceived) noexcept {
  return !exchangeReceived.empty() && exchangeReceived.front() == 'W';
}

// The column in which a QSO in this mode counts its marked station.
KvantColumn KvantColumnOf(std::string_view mode) noexcept;

// The marked stations of one band, each counted once per column however many
// QSOs mark it. A QSO taken out again no longer counts.
class BandKvant {
 public:
  // A QSO on the band: it counts when its exchange marks a station that has a
  // call sign.
  void Add(std::string_view call, std::string_view mode, std::string_view exchangeReceived);
  void Remove(std::string_view call, std::string_view mode, std::string_view exchangeReceived);

  std::int32_t Count() const noexcept {
    return static_cast<std::int32_t>(cw_.size() + otherModes_.size());
  }

 private:
  TextMap<std::int32_t>& Column(std::string_view mode) noexcept {
    return KvantColumnOf(mode) == KvantColumn::kCw ? cw_ : otherModes_;
  }

  TextMap<std::int32_t> cw_;  // marked call -> QSOs that mark it
  TextMap<std::int32_t> otherModes_;
};

}  // namespace stats
