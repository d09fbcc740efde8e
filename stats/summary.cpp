#include "stats/summary.h"

#include <limits>

#include "stats/rules/band_order.h"

namespace stats {
namespace {

void AppendRow(std::string& text, std::string_view label, std::int64_t qsos, std::int64_t points,
               std::int64_t cw, std::int64_t ssb, std::int64_t kvant) {
  text += label;
  for (const std::int64_t number : {qsos, points, cw, ssb, kvant}) {
    text += "\t ";
    text += std::to_string(number);
  }
  text += "\r\n";
}

}  // namespace

std::int32_t ClampedScore(std::int64_t points, std::int64_t kvant) noexcept {
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  const std::int64_t score = points * kvant;  // both below 2^31: no overflow in 64 bits
  return static_cast<std::int32_t>(score > kMax ? kMax : (score < kMin ? kMin : score));
}

ContestResult ScoreContest(const QsoStore& store, BandList& bands, std::string_view contestDate,
                           std::string_view contestantCall) {
  ContestResult result;
  std::string& text = result.summaryText;
  text += "\t   Kesdra Velk Test ";
  text += contestDate;
  text += "\r\n\t\tContestant: ";
  text += contestantCall;
  text += "\r\n\tQSOs\tPoints\tCW\tSSB\tKvant\r\n";

  OrderBands(bands.Entries());

  // The store keeps each band's counts up to date, so this costs the same at
  // any log size.
  std::int64_t totalPoints = 0;
  std::int64_t totalCw = 0;
  std::int64_t totalSsb = 0;
  std::int64_t totalKvant = 0;
  const BandTally none;
  for (const std::string& band : bands.Entries()) {
    const BandTally* const found = store.TallyOf(band);
    const BandTally& tally = found == nullptr ? none : *found;
    AppendRow(text, band, tally.Qsos(), tally.Qsos(), tally.Cw(), tally.Ssb(), tally.Kvant());
    totalPoints += tally.Qsos();
    totalCw += tally.Cw();
    totalSsb += tally.Ssb();
    totalKvant += tally.Kvant();
  }
  AppendRow(text, "Total", static_cast<std::int64_t>(store.Count()), totalPoints, totalCw, totalSsb,
            totalKvant);

  result.score = ClampedScore(totalPoints, totalKvant);
  text += "\r\nScore: = ";
  text += std::to_string(result.score);
  text += "\r\n";
  return result;
}

}  // namespace stats
