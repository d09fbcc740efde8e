#include "fuzz/contest_model.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace fuzz {
namespace {

bool IsContestMode(const std::string& mode) {
  return mode == "CW" || mode == "SSB" || mode == "BPSK63" || mode == "BPSK62";
}

bool Matches(const ModelQso& qso, const std::string& call, const std::string& mode,
             const std::string& band) {
  return qso.call == call && qso.mode == mode && qso.band == band;
}

bool Marked(const ModelQso& qso) {
  return !qso.exchangeReceived.empty() && qso.exchangeReceived[0] == 'W';
}

std::string Padded(const std::string& band) {
  return band.size() >= 20 ? band : std::string(20 - band.size(), '0') + band;
}

void AppendRow(std::string& text, const std::string& label,
               std::initializer_list<std::int64_t> numbers) {
  text += label;
  for (const std::int64_t number : numbers) text += "\t " + std::to_string(number);
  text += "\r\n";
}

}  // namespace

void ContestModel::Reset(int reportMode, std::string contestantCall) {
  reportMode_ = reportMode;
  contestantCall_ = std::move(contestantCall);
  qsos_.clear();
  bands_.clear();
}

int ContestModel::Add(const ModelQso& qso) {
  if (!IsContestMode(qso.mode) || qso.exchangeSent.empty() || qso.exchangeReceived.empty()) {
    return 0;
  }
  if (std::find(bands_.begin(), bands_.end(), qso.band) == bands_.end()) bands_.push_back(qso.band);
  qsos_.push_back(qso);
  return 1;
}

int ContestModel::Remove(const ModelQso& qso) {
  if (qso.exchangeSent.empty() || qso.exchangeReceived.empty()) return 0;
  const auto found = std::find_if(qsos_.begin(), qsos_.end(), [&](const ModelQso& stored) {
    return Matches(stored, qso.call, qso.mode, qso.band);
  });
  if (found != qsos_.end()) qsos_.erase(found);
  return 1;
}

CheckExpectation ContestModel::Check(const std::string& call, const std::string& mode,
                                     const std::string& auxText, const std::string& band,
                                     int hour) const {
  CheckExpectation expectation;
  bool bandWorked = false;
  for (const ModelQso& qso : qsos_) {
    bandWorked = bandWorked || qso.band == band;
    if (!Matches(qso, call, mode, band) || !qso.timeValid) continue;
    if (qso.hour < 0) expectation.repeatPossible = true;
    if (qso.hour == hour) expectation.repeatCertain = true;
  }
  expectation.otherwise = auxText.empty() && bandWorked ? 1 : 2;
  return expectation;
}

// The exchange sort of the report: descending by the copies padded with "0"
// to 20 characters, compared as unsigned bytes.
void ContestModel::OrderBands() {
  for (std::size_t i = 0; i + 1 < bands_.size(); ++i) {
    for (std::size_t j = i + 1; j < bands_.size(); ++j) {
      if (std::strcmp(Padded(bands_[i]).c_str(), Padded(bands_[j]).c_str()) < 0) {
        std::swap(bands_[i], bands_[j]);
      }
    }
  }
}

ContestModel::BandTotals ContestModel::Totals(const std::string& band) const {
  BandTotals totals;
  std::vector<std::string> markedCw;
  std::vector<std::string> markedOther;
  for (const ModelQso& qso : qsos_) {
    if (qso.band != band || qso.call.empty()) continue;
    ++totals.qsos;
    totals.cw += qso.mode == "CW";
    totals.ssb += qso.mode == "SSB";
    if (!Marked(qso)) continue;
    std::vector<std::string>& marked = qso.mode == "CW" ? markedCw : markedOther;
    if (std::find(marked.begin(), marked.end(), qso.call) == marked.end()) {
      marked.push_back(qso.call);
    }
  }
  totals.kvant = static_cast<std::int64_t>(markedCw.size() + markedOther.size());
  return totals;
}

std::string ContestModel::SummaryAfterDate() {
  OrderBands();
  std::string text =
      "\r\n\t\tContestant: " + contestantCall_ + "\r\n\tQSOs\tPoints\tCW\tSSB\tKvant\r\n";
  BandTotals total;
  for (const std::string& band : bands_) {
    const BandTotals row = Totals(band);
    AppendRow(text, band, {row.qsos, row.qsos, row.cw, row.ssb, row.kvant});
    total.qsos += row.qsos;
    total.cw += row.cw;
    total.ssb += row.ssb;
    total.kvant += row.kvant;
  }
  AppendRow(
      text, "Total",
      {static_cast<std::int64_t>(qsos_.size()), total.qsos, total.cw, total.ssb, total.kvant});
  text += "\r\nScore: = " + std::to_string(Score()) + "\r\n";
  return text;
}

std::int32_t ContestModel::Score() const {
  std::int64_t points = 0;
  std::int64_t kvant = 0;
  for (const std::string& band : bands_) {
    const BandTotals row = Totals(band);
    points += row.qsos;
    kvant += row.kvant;
  }
  const std::int64_t score = points * kvant;
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(score, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace fuzz
