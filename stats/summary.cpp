#include "stats/summary.h"

#include "stats/public/plugin_names.h"
#include "stats/rules/band_order.h"
#include "stats/rules/score.h"

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

ContestSummary SummarizeContest(const QsoStore& store, BandList& bands,
                                std::string_view contestDate, std::string_view contestantCall) {
  ContestSummary result;
  std::string& text = result.summaryText;
  text += "\t   ";
  text += kSummaryTitle;
  text += contestDate;
  text += "\r\n\t\t";
  text += kSummaryContestant;
  text += contestantCall;
  text += "\r\n\t";
  text += kSummaryColumns;
  text += "\r\n";

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
    const std::int64_t points = tally.Qsos() * kPointsPerQso;
    AppendRow(text, band, tally.Qsos(), points, tally.Cw(), tally.Ssb(), tally.Kvant());
    totalPoints += points;
    totalCw += tally.Cw();
    totalSsb += tally.Ssb();
    totalKvant += tally.Kvant();
  }
  AppendRow(text, kSummaryTotal, static_cast<std::int64_t>(store.Count()), totalPoints, totalCw,
            totalSsb, totalKvant);

  result.score = ClampedScore(totalPoints, totalKvant);
  text += "\r\n";
  text += kSummaryScore;
  text += std::to_string(result.score);
  text += "\r\n";
  return result;
}

}  // namespace stats
