#include "stats-host/report/tour_matrix.h"

#include <algorithm>

#include "stats/rules/kvant.h"
#include "stats/rules/score.h"
#include "stats/rules/tours.h"

namespace stats_host {
namespace {

using stats::kToursPerDay;

// The clock hour of the log: the tour and its day.
long TourNumber(const logs::HostQso& qso) {
  return logs::DaysSinceOleEpoch(qso.date) * kToursPerDay +
         stats::TourOfSecondOfDay(qso.secondOfDay);
}

void RememberEarliest(std::map<std::string, long>& firstTours, const std::string& call, long tour) {
  const auto [entry, added] = firstTours.try_emplace(call, tour);
  if (!added) entry->second = std::min(entry->second, tour);
}

bool Contains(const std::vector<std::string>& list, const std::string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

}  // namespace

void TourMatrix::Add(const logs::HostQso& qso) {
  const long tour = TourNumber(qso);
  ++qsos_[tour][qso.band];
  if (!Contains(bandsSeen_, qso.band)) bandsSeen_.push_back(qso.band);
  if (stats::IsKvantExchange(qso.exchangeReceived)) {
    const bool cw = stats::KvantColumnOf(qso.mode) == stats::KvantColumn::kCw;
    RememberEarliest((cw ? markedCw_ : markedOther_)[qso.band], qso.call, tour);
  }
}

void TourMatrix::OnAbandon() noexcept { *this = TourMatrix(); }

TourTable TourMatrix::Table(const std::vector<std::string>& bandOrder) const {
  TourTable table;
  table.bands = bandOrder;
  for (const std::string& band : bandsSeen_) {
    if (!Contains(table.bands, band)) table.bands.push_back(band);
  }
  table.bandTotals.resize(table.bands.size());
  if (qsos_.empty()) return table;

  std::vector<long> tours;
  const long first = qsos_.begin()->first;
  const long last = qsos_.rbegin()->first;
  if (last - first < kMaxFilledTours) {
    for (long tour = first; tour <= last; ++tour) tours.push_back(tour);
  } else {
    for (const auto& entry : qsos_) tours.push_back(entry.first);
  }

  std::map<long, std::size_t> rowOfTour;
  for (const long tour : tours) {
    rowOfTour[tour] = table.tours.size();
    TourRow row;
    row.number = tour;
    row.date = logs::DateOfOleDay(tour / kToursPerDay);
    row.hour = static_cast<int>(tour % kToursPerDay);
    row.bands.resize(table.bands.size());
    table.tours.push_back(std::move(row));
  }
  for (std::size_t b = 0; b < table.bands.size(); ++b) {
    const std::string& band = table.bands[b];
    for (const auto& [tour, byBand] : qsos_) {
      const auto found = byBand.find(band);
      if (found != byBand.end()) table.tours[rowOfTour.at(tour)].bands[b].qsos += found->second;
    }
    for (const auto* marked : {&markedCw_, &markedOther_}) {
      const auto found = marked->find(band);
      if (found == marked->end()) continue;
      for (const auto& [call, tour] : found->second)
        ++table.tours[rowOfTour.at(tour)].bands[b].kvant;
    }
  }
  for (TourRow& row : table.tours) {
    for (std::size_t b = 0; b < row.bands.size(); ++b) {
      row.total.qsos += row.bands[b].qsos;
      row.total.kvant += row.bands[b].kvant;
      table.bandTotals[b].qsos += row.bands[b].qsos;
      table.bandTotals[b].kvant += row.bands[b].kvant;
    }
    table.total.qsos += row.total.qsos;
    table.total.kvant += row.total.kvant;
    row.sinceStart = table.total;
    row.score =
        stats::ClampedScore(row.sinceStart.qsos * stats::kPointsPerQso, row.sinceStart.kvant);
  }
  return table;
}

KvantGrid TourMatrix::Grid(const std::vector<std::string>& bands) const {
  KvantGrid grid;
  grid.bands = bands;
  std::map<std::string, std::vector<long>> byCall;
  for (std::size_t b = 0; b < bands.size(); ++b) {
    for (int column = 0; column < 2; ++column) {
      const auto& marked = column == 0 ? markedCw_ : markedOther_;
      const auto found = marked.find(bands[b]);
      if (found == marked.end()) continue;
      for (const auto& [call, tour] : found->second) {
        auto& tours = byCall.try_emplace(call, 2 * bands.size(), kNotWorked).first->second;
        tours[2 * b + column] = tour;
      }
    }
  }
  for (auto& [call, tours] : byCall) grid.rows.push_back(KvantGridRow{call, std::move(tours)});
  return grid;
}

}  // namespace stats_host
