#include "stats/tour_check.h"

#include <optional>

#include "stats/rules/tours.h"

namespace stats {
namespace {

// " В ОДНОМ И ТОМ ЖЕ ТУРЕ ПРОВОДИТЬ НЕЛЬЗЯ !!!" in Windows-1251.
constexpr std::string_view kWarningTail =
    " \xC2 \xCE\xC4\xCD\xCE\xCC \xC8 \xD2\xCE\xCC \xC6\xC5 \xD2\xD3\xD0\xC5 "
    "\xCF\xD0\xCE\xC2\xCE\xC4\xC8\xD2\xDC \xCD\xC5\xCB\xDC\xC7\xDF !!!";
constexpr std::string_view kWarningHead = "QSO c ";

std::optional<int> TourOfTime(const OleDateTime& time) {
  const auto calendar = ToCalendarTime(time);
  if (!calendar) return std::nullopt;
  return TourOf(calendar->hour, calendar->minute, calendar->second);
}

}  // namespace

int CheckTour(const QsoStore& store, const TourQuery& query,
              const std::function<int()>& currentTour) {
  std::optional<int> nowTour;
  for (const QsoStore::Position record : store.WithCall(query.call)) {
    if (record->band != query.band || record->mode != query.mode) continue;
    if (!nowTour) nowTour = currentTour();
    if (TourOfTime(record->qsoTime) == nowTour) return kStatsCallRepeat;
  }
  // Stored QSOs never carry an aux text, so a QSO with the given one is on the
  // band exactly when the given text is empty and the band has a QSO.
  if (query.auxText.empty() && store.CountOnBand(query.band) > 0) return kStatsCallBandWorked;
  return kStatsCallNotWorked;
}

std::string TourWarning(std::string_view call) {
  static_assert(kWarningTail.size() == 43);
  std::string warning(kWarningHead);
  warning += call;
  warning += kWarningTail;
  if (warning.size() > kWarningCapacity - 1) {
    // Keep the whole tail; cut the call sign instead.
    const std::size_t room = kWarningCapacity - 1 - kWarningHead.size() - kWarningTail.size();
    warning =
        std::string(kWarningHead) + std::string(call.substr(0, room)) + std::string(kWarningTail);
  }
  return warning;
}

}  // namespace stats
