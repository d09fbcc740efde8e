#include "stats-host/report/tour_repeats.h"

#include <stdexcept>

#include "stats/rules/tours.h"

namespace stats_host {
namespace {

constexpr std::uint64_t kFree = UINT64_MAX;  // no key: an hour is below 24
constexpr std::uint64_t kMostBandsAndModes = std::uint64_t{1} << 27;

// Spreads the bits of a key over the whole word (the finaliser of SplitMix64).
std::uint64_t Mixed(std::uint64_t key) {
  key = (key ^ (key >> 30)) * 0xBF58476D1CE4E5B9u;
  key = (key ^ (key >> 27)) * 0x94D049BB133111EBu;
  return key ^ (key >> 31);
}

}  // namespace

std::uint64_t TourRepeatFinder::KeyOf(const logs::HostQso& qso) {
  // A zero byte between band and mode: no text handed to the plug-in holds one.
  bandAndMode_.assign(qso.band).push_back('\0');
  bandAndMode_.append(qso.mode);
  const std::uint64_t bandAndMode = bandsAndModes_.IdOf(bandAndMode_);
  if (bandAndMode >= kMostBandsAndModes) throw std::length_error("too many bands and modes");
  return std::uint64_t{calls_.IdOf(qso.call)} << 32 | bandAndMode << 5 |
         static_cast<std::uint64_t>(stats::TourOfSecondOfDay(qso.secondOfDay));
}

TourRepeatFinder::Entry& TourRepeatFinder::SlotFor(std::uint64_t key) {
  const std::size_t mask = entries_.size() - 1;
  for (std::size_t slot = Mixed(key) & mask;; slot = (slot + 1) & mask) {
    Entry& entry = entries_[slot];
    if (entry.key == key || entry.key == kFree) return entry;
  }
}

// Twice the slots (at least 1024), every entry placed again.
void TourRepeatFinder::Grow() {
  std::vector<Entry> old(entries_.empty() ? 1024 : 2 * entries_.size(), Entry{kFree, 0, 0, 0});
  old.swap(entries_);
  for (const Entry& entry : old) {
    if (entry.key != kFree) SlotFor(entry.key) = entry;
  }
}

std::optional<TourRepeat> TourRepeatFinder::Next(const logs::HostQso& qso, bool stored) {
  if (4 * (used_ + 1) > 3 * entries_.size()) Grow();
  const std::uint64_t key = KeyOf(qso);
  Entry& entry = SlotFor(key);
  if (entry.key == kFree) {
    if (stored) {
      entry = Entry{key, qso.record, static_cast<std::int32_t>(logs::DaysSinceOleEpoch(qso.date)),
                    qso.secondOfDay};
      ++used_;
    }
    return std::nullopt;
  }
  return TourRepeat{qso.record,
                    qso.date,
                    qso.secondOfDay,
                    qso.call,
                    qso.band,
                    qso.mode,
                    static_cast<std::size_t>(entry.record),
                    logs::DateOfOleDay(entry.day),
                    entry.secondOfDay,
                    !stored};
}

void TourRepeatFinder::OnQso(const HandedQso& handed) {
  if (auto repeat = Next(handed.qso, handed.stored)) repeats_.push_back(std::move(*repeat));
}

void TourRepeatFinder::OnAbandon() noexcept { *this = TourRepeatFinder(); }

}  // namespace stats_host
