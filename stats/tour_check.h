#pragma once

// The tour check run while a call sign is entered: a repeat within the present
// tour (see stats/rules/tours.h) of a QSO in the store.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "stats/public/exports.h"
#include "stats/store.h"

namespace stats {

struct TourQuery {
  std::string_view call;
  std::string_view mode;
  std::string_view auxText;
  std::string_view band;
};

// CheckCall0's answer (stats/public/exports.h). `currentTour` is asked at most
// once, only when a record matches on call, band and mode; it gives the tour of
// the computer's UTC clock.
int CheckTour(const QsoStore& store, const TourQuery& query,
              const std::function<int()>& currentTour);

// The warning for a repeat, in Windows-1251, cut so that with its terminating
// zero it fits in kWarningCapacity bytes (a long call sign is cut in it).
inline constexpr std::size_t kWarningCapacity = kStatsWarningCapacity;
std::string TourWarning(std::string_view call);

}  // namespace stats
