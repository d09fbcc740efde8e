#include "stats/store.h"

#include <algorithm>

#include "stats/rules/modes.h"

namespace stats {
namespace {

// Beyond call, mode and band: what tells two QSOs with the same station apart.
bool SameDetails(const Qso& stored, const Qso& qso) {
  return SameSecond(stored.qsoTime, qso.qsoTime) && stored.FrequencyKhz() == qso.FrequencyKhz() &&
         stored.rstSent == qso.rstSent && stored.rstReceived == qso.rstReceived &&
         stored.exchangeSent == qso.exchangeSent && stored.exchangeReceived == qso.exchangeReceived;
}

}  // namespace

void BandTally::Add(const Qso& qso) {
  ++records_;
  if (qso.call.empty()) return;
  ++qsos_;
  CountInModeColumn(qso.mode, 1);
  kvant_.Add(qso.call, qso.mode, qso.exchangeReceived);
}

void BandTally::Remove(const Qso& qso) {
  --records_;
  if (qso.call.empty()) return;
  --qsos_;
  CountInModeColumn(qso.mode, -1);
  kvant_.Remove(qso.call, qso.mode, qso.exchangeReceived);
}

void BandTally::CountInModeColumn(std::string_view mode, std::int32_t change) noexcept {
  switch (ColumnOfMode(mode)) {
    case ModeColumn::kCw:
      cw_ += change;
      break;
    case ModeColumn::kSsb:
      ssb_ += change;
      break;
    case ModeColumn::kNone:
      break;
  }
}

void QsoStore::Add(Qso qso) {
  records_.push_back(std::move(qso));
  const Position position = std::prev(records_.end());
  auto calls = byCall_.find(position->call);
  if (calls == byCall_.end())
    calls = byCall_.emplace(position->call, std::vector<Position>{}).first;
  calls->second.push_back(position);
  auto band = perBand_.find(position->band);
  if (band == perBand_.end()) band = perBand_.emplace(position->band, BandTally{}).first;
  band->second.Add(*position);
}

bool QsoStore::RemoveFirstLike(const Qso& qso) {
  const auto calls = byCall_.find(qso.call);
  if (calls == byCall_.end()) return false;
  std::vector<Position>& positions = calls->second;
  const auto sameModeAndBand = [&](Position record) {
    return record->mode == qso.mode && record->band == qso.band;
  };
  auto match = std::find_if(positions.begin(), positions.end(), [&](Position record) {
    return sameModeAndBand(record) && SameDetails(*record, qso);
  });
  if (match == positions.end()) {
    match = std::find_if(positions.begin(), positions.end(), sameModeAndBand);
  }
  if (match == positions.end()) return false;
  const Position record = *match;
  if (const auto tally = perBand_.find(record->band); tally != perBand_.end()) {
    tally->second.Remove(*record);
    if (tally->second.Records() == 0) perBand_.erase(tally);
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
  const BandTally* const tally = TallyOf(band);
  return tally == nullptr ? 0 : tally->Records();
}

const BandTally* QsoStore::TallyOf(std::string_view band) const {
  const auto tally = perBand_.find(band);
  return tally == perBand_.end() ? nullptr : &tally->second;
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
