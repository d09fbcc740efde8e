#include "stats/rules/scoring.h"

#include <limits>
#include <unordered_set>

#include "stats/rules/band_order.h"

namespace stats {
namespace {

struct BandTally {
  std::int32_t qsos = 0;
  std::int32_t cw = 0;
  std::int32_t ssb = 0;
  std::unordered_set<std::string_view> markedCw;
  std::unordered_set<std::string_view> markedNonCw;

  std::int32_t Kvant() const noexcept {
    return static_cast<std::int32_t>(markedCw.size() + markedNonCw.size());
  }
};

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

  std::unordered_map<std::string_view, BandTally> tallies;
  for (const QsoRecord& record : store.All()) {
    if (record.call.empty()) continue;
    BandTally& tally = tallies[record.band];
    ++tally.qsos;
    if (record.mode == "CW") ++tally.cw;
    if (record.mode == "SSB") ++tally.ssb;
    if (!record.markedCallCw.empty()) tally.markedCw.insert(record.markedCallCw);
    if (!record.markedCallNonCw.empty()) tally.markedNonCw.insert(record.markedCallNonCw);
  }

  std::int64_t totalPoints = 0;
  std::int64_t totalCw = 0;
  std::int64_t totalSsb = 0;
  std::int64_t totalKvant = 0;
  const BandTally none;
  for (const std::string& band : bands.Entries()) {
    const auto found = tallies.find(band);
    const BandTally& tally = found == tallies.end() ? none : found->second;
    AppendRow(text, band, tally.qsos, tally.qsos, tally.cw, tally.ssb, tally.Kvant());
    totalPoints += tally.qsos;
    totalCw += tally.cw;
    totalSsb += tally.ssb;
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
