#include "host/tour_repeats.h"

namespace host {
namespace {

constexpr int kSecondsPerHour = 60 * 60;

// Call, band and mode with a zero byte after each (no text handed to the
// plug-in holds one), then the hour.
void MakeKey(const HostQso& qso, std::string& key) {
  key.assign(qso.call).push_back('\0');
  key.append(qso.band).push_back('\0');
  key.append(qso.mode).push_back('\0');
  key.push_back(static_cast<char>(qso.secondOfDay / kSecondsPerHour));
}

}  // namespace

std::optional<TourRepeat> TourRepeatFinder::Next(const HostQso& qso, bool stored) {
  MakeKey(qso, key_);
  const auto found = firstStored_.find(key_);
  if (found == firstStored_.end()) {
    if (stored) firstStored_.emplace(key_, Earlier{qso.record, qso.secondOfDay});
    return std::nullopt;
  }
  return TourRepeat{qso.record, qso.date, qso.secondOfDay,      qso.call,
                    qso.band,   qso.mode, found->second.record, found->second.secondOfDay};
}

}  // namespace host
