#include "stats/store.h"

#include <algorithm>

namespace stats {

void QsoStore::Add(QsoRecord record) {
  records_.push_back(std::move(record));
  const Position position = std::prev(records_.end());
  auto calls = byCall_.find(position->call);
  if (calls == byCall_.end())
    calls = byCall_.emplace(position->call, std::vector<Position>{}).first;
  calls->second.push_back(position);
  auto band = perBand_.find(position->band);
  if (band == perBand_.end()) band = perBand_.emplace(position->band, 0).first;
  ++band->second;
}

bool QsoStore::RemoveFirst(std::string_view call, std::string_view mode, std::string_view band) {
  const auto calls = byCall_.find(call);
  if (calls == byCall_.end()) return false;
  std::vector<Position>& positions = calls->second;
  const auto match = std::find_if(positions.begin(), positions.end(), [&](Position record) {
    return record->mode == mode && record->band == band;
  });
  if (match == positions.end()) return false;
  const Position record = *match;
  if (const auto count = perBand_.find(record->band);
      count != perBand_.end() && --count->second == 0) {
    perBand_.erase(count);
  }
  positions.erase(match);
  if (positions.empty()) byCall_.erase(calls);
  records_.erase(record);
  return true;
}

void QsoStore::Clear() noexcept {
  byCall_.clear();
  perBand_.clear();
  records_.clear();
}

const std::vector<QsoStore::Position>& QsoStore::WithCall(std::string_view call) const {
  static const std::vector<Position> kNone;
  const auto calls = byCall_.find(call);
  return calls == byCall_.end() ? kNone : calls->second;
}

std::size_t QsoStore::CountOnBand(std::string_view band) const {
  const auto count = perBand_.find(band);
  return count == perBand_.end() ? 0 : count->second;
}

void BandList::AddIfNew(std::string_view band) {
  if (known_.find(band) != known_.end()) return;
  entries_.emplace_back(band);
  known_.emplace(entries_.back(), true);
}

void BandList::Clear() noexcept {
  entries_.clear();
  known_.clear();
}

}  // namespace stats
