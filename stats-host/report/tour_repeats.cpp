#include "stats-host/report/tour_repeats.h"

#include <stdexcept>

#include "stats/rules/tours.h"

namespace stats_host {
namespace {

constexpr std::uint64_t kMostBandsAndModes = std::uint64_t{1} << 27;

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

std::optional<TourRepeat> TourRepeatFinder::Next(const logs::HostQso& qso, bool stored) {
  const std::uint64_t key = KeyOf(qso);
  const std::uint32_t found = keys_.Find(key);
  if (found == stats::Interned<std::uint64_t>::kNone) {
    if (stored) {
      keys_.IdOf(key);
      firstStored_.push_back(
          FirstStored{qso.record, static_cast<std::int32_t>(stats::DaysSinceOleEpoch(qso.date)),
                      qso.secondOfDay});
    }
    return std::nullopt;
  }
  const FirstStored& first = firstStored_[found];
  return TourRepeat{qso.record,
                    qso.date,
                    qso.secondOfDay,
                    qso.call,
                    qso.band,
                    qso.mode,
                    static_cast<std::size_t>(first.record),
                    stats::DateOfOleDay(first.day),
                    first.secondOfDay};
}

void TourRepeatFinder::OnQso(const HandedQso& handed) {
  if (auto repeat = Next(handed.qso, handed.stored)) repeats_.push_back(std::move(*repeat));
}

void TourRepeatFinder::OnAbandon() noexcept { *this = TourRepeatFinder(); }

}  // namespace stats_host
