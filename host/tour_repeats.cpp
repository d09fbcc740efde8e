#include "host/tour_repeats.h"

namespace host {
namespace {

constexpr int kSecondsPerHour = 60 * 60;

bool SameTour(const HostQso& a, const HostQso& b) {
  return a.secondOfDay / kSecondsPerHour == b.secondOfDay / kSecondsPerHour;
}

bool SameContact(const HostQso& a, const HostQso& b) {
  return a.call == b.call && a.band == b.band && a.mode == b.mode;
}

}  // namespace

std::vector<TourRepeat> FindTourRepeats(const std::vector<HostQso>& qsos,
                                        const std::vector<bool>& accepted) {
  std::vector<TourRepeat> repeats;
  for (std::size_t i = 0; i < qsos.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (accepted[j] && SameContact(qsos[j], qsos[i]) && SameTour(qsos[j], qsos[i])) {
        repeats.push_back(TourRepeat{i, j});
        break;
      }
    }
  }
  return repeats;
}

}  // namespace host
