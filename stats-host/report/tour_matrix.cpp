#include "stats-host/report/tour_matrix.h"

#include <algorithm>

#include "stats/rules/score.h"
#include "stats/rules/tours.h"

namespace stats_host {
namespace {

using stats::kToursPerDay;

// The clock hour of the log: the tour and its day.
long TourNumber(const logs::HostQso& qso) {
  return stats::DaysSinceOleEpoch(qso.date) * kToursPerDay +
         stats::TourOfSecondOfDay(qso.secondOfDay);
}

std::size_t IndexOf(stats::KvantColumn column) { return static_cast<std::size_t>(column); }

bool Contains(const std::vector<std::string>& list, const std::string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

}  // namespace

void TourMatrix::BandKvant::Add(const logs::HostQso& qso, long tour) {
  const auto mark = tally.Add(qso.call, qso.mode, qso.exchangeReceived);
  if (!mark) return;
  if (mark->station >= firstTours.size()) {
    firstTours.resize(tally.Stations().Size(), {kNotWorked, kNotWorked});
  }
  long& first = firstTours[mark->station][IndexOf(mark->column)];
  first = first == kNotWorked ? tour : std::min(first, tour);
}

template <typename Visit>
void TourMatrix::BandKvant::ForEachMarked(const Visit& visit) const {
  for (std::uint32_t station = 0; station < firstTours.size(); ++station) {
    for (const auto column : {stats::KvantColumn::kCw, stats::KvantColumn::kOtherModes}) {
      if (tally.Counts(station, column)) {
        visit(tally.Stations().Text(station), column, firstTours[station][IndexOf(column)]);
      }
    }
  }
}

void TourMatrix::Add(const logs::HostQso& qso) {
  const long tour = TourNumber(qso);
  ++qsos_[tour][qso.band];
  if (!Contains(bandsSeen_, qso.band)) bandsSeen_.push_back(qso.band);
  kvant_[qso.band].Add(qso, tour);
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
    row.date = stats::DateOfOleDay(tour / kToursPerDay);
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
    if (const auto found = kvant_.find(band); found != kvant_.end()) {
      found->second.ForEachMarked([&](const std::string&, stats::KvantColumn, long tour) {
        ++table.tours[rowOfTour.at(tour)].bands[b].kvant;
      });
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
    const auto found = kvant_.find(bands[b]);
    if (found == kvant_.end()) continue;
    found->second.ForEachMarked([&](const std::string& call, stats::KvantColumn column, long tour) {
      auto& tours = byCall.try_emplace(call, 2 * bands.size(), kNotWorked).first->second;
      tours[2 * b + IndexOf(column)] = tour;
    });
  }
  for (auto& [call, tours] : byCall) grid.rows.push_back(KvantGridRow{call, std::move(tours)});
  return grid;
}

}  // namespace stats_host
