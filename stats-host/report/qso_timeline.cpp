#include "stats-host/report/qso_timeline.h"

#include <algorithm>

#include "stats/rules/tours.h"

namespace stats_host {
namespace {

constexpr long long kSlotSeconds = stats::kSecondsPerTour / kSlotsPerTour;

// The busiest window of `length` seconds over times in order.
template <typename Moments>
RateWindow BusiestWindow(const Moments& moments, long long length) {
  RateWindow best;
  std::size_t begin = 0;
  for (std::size_t end = 0; end < moments.size(); ++end) {
    while (moments[end].second - moments[begin].second >= length) ++begin;
    const int qsos = static_cast<int>(end - begin + 1);
    if (qsos > best.qsos) best = RateWindow{qsos, moments[begin].second, moments[end].second};
  }
  return best;
}

}  // namespace

void QsoTimeline::Add(const logs::HostQso& qso) {
  const std::uint32_t band = bands_.IdOf(qso.band);
  if (band == bandNames_.size()) bandNames_.push_back(qso.band);
  moments_.push_back(Moment{logs::SecondsSinceOleEpoch(qso.date, qso.secondOfDay), band,
                            modes_.IdOf(qso.mode), calls_.IdOf(qso.call),
                            stats::ColumnOfMode(qso.mode)});
}

void QsoTimeline::OnAbandon() noexcept { *this = QsoTimeline(); }

Timeline QsoTimeline::Summary() {
  std::stable_sort(moments_.begin(), moments_.end(),
                   [](const Moment& a, const Moment& b) { return a.second < b.second; });
  Timeline timeline;
  if (moments_.empty()) return timeline;
  timeline.qsos = static_cast<int>(moments_.size());
  timeline.first = moments_.front().second;
  timeline.last = moments_.back().second;
  timeline.best10 = BusiestWindow(moments_, 10 * 60);
  timeline.best60 = BusiestWindow(moments_, 60 * 60);
  std::vector<std::vector<Moment>> byBand(bandNames_.size());
  for (const Moment& moment : moments_) byBand[moment.band].push_back(moment);
  for (std::size_t b = 0; b < byBand.size(); ++b) {
    timeline.bandRates.push_back(BandRate{bandNames_[b], BusiestWindow(byBand[b], 60 * 60)});
  }
  timeline.rateStart = timeline.first - timeline.first % kRateSlotSeconds;
  const auto rateSlots =
      static_cast<std::size_t>((timeline.last - timeline.rateStart) / kRateSlotSeconds + 1);
  if (rateSlots <= kMostRateSlots) timeline.rateSlots.resize(rateSlots);
  std::vector<bool> worked(calls_.Size(), false);
  for (std::size_t i = 0; i < moments_.size(); ++i) {
    const Moment& moment = moments_[i];
    TourActivity& tour = timeline.tours[static_cast<long>(moment.second / stats::kSecondsPerTour)];
    int& slot = tour.tenMinutes[moment.second % stats::kSecondsPerTour / kSlotSeconds];
    timeline.busiestSlot = std::max(timeline.busiestSlot, ++slot);
    if (!timeline.rateSlots.empty()) {
      ++timeline.rateSlots[static_cast<std::size_t>((moment.second - timeline.rateStart) /
                                                    kRateSlotSeconds)];
    }
    if (!worked[moment.call]) ++tour.newCalls;
    worked[moment.call] = true;
    ++(moment.column == stats::ModeColumn::kCw    ? tour.cw
       : moment.column == stats::ModeColumn::kSsb ? tour.ssb
                                                  : tour.digital);
    if (i == 0) continue;
    const Moment& before = moments_[i - 1];
    const long long gap = moment.second - before.second;
    if (gap >= kOffTimeSeconds) {
      ++timeline.breaks;
      timeline.breakSeconds += gap;
      timeline.offTimes.push_back(OffTime{before.second, moment.second});
    } else {
      timeline.operatingSeconds += gap;
    }
    if (moment.band != before.band) ++tour.bandChanges;
    if (moment.mode != before.mode) ++tour.modeChanges;
  }
  return timeline;
}

}  // namespace stats_host
