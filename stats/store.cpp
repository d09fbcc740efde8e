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
  const std::uint32_t call = calls_.IdOf(position->call);
  if (call >= byCall_.size()) byCall_.resize(calls_.Size());
  byCall_[call].push_back(position);
  const std::uint32_t band = bands_.IdOf(position->band);
  if (band >= perBand_.size()) perBand_.resize(bands_.Size());
  perBand_[band].Add(*position);
}

bool QsoStore::RemoveFirstLike(const Qso& qso) {
  const std::uint32_t call = calls_.Find(qso.call);
  if (call >= byCall_.size()) return false;
  std::vector<Position>& positions = byCall_[call];
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
  if (const std::uint32_t band = bands_.Find(record->band); band < perBand_.size()) {
    perBand_[band].Remove(*record);
  }
  positions.erase(match);
  records_.erase(record);
  return true;
}

void QsoStore::Clear() noexcept {
  calls_.Clear();
  byCall_.clear();
  bands_.Clear();
  perBand_.clear();
  records_.clear();
}

const std::vector<QsoStore::Position>& QsoStore::WithCall(std::string_view call) const {
  static const std::vector<Position> kNone;
  const std::uint32_t id = calls_.Find(call);
  return id < byCall_.size() ? byCall_[id] : kNone;
}

std::size_t QsoStore::CountOnBand(std::string_view band) const {
  const BandTally* const tally = TallyOf(band);
  return tally == nullptr ? 0 : tally->Records();
}

const BandTally* QsoStore::TallyOf(std::string_view band) const {
  const std::uint32_t id = bands_.Find(band);
  return id < perBand_.size() && perBand_[id].Records() > 0 ? &perBand_[id] : nullptr;
}

void BandList::AddIfNew(std::string_view band) {
  if (known_.Find(band) != Interned<std::string>::kNone) return;
  entries_.emplace_back(band);
  known_.IdOf(entries_.back());
}

void BandList::Clear() noexcept {
  entries_.clear();
  known_.Clear();
}

}  // namespace stats
