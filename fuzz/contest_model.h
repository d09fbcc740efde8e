#pragma once

// A plain model of the contest rules, written straight from their statement
// and kept as simple as possible: a vector of QSOs and a vector of bands,
// searched linearly. The entry-point fuzzer compares the plug-in's answers
// with it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

struct ModelQso {
  std::string call;
  std::string mode;
  std::string band;
  std::string exchangeSent;
  std::string exchangeReceived;
  bool timeValid = false;  // the QSO time has a calendar time
  int hour = -1;           // its hour when known, else -1
};

// What the tour check may answer.
struct CheckExpectation {
  bool repeatCertain = false;   // a matching QSO lies in the given hour
  bool repeatPossible = false;  // a matching QSO's hour is unknown
  int otherwise = 2;            // the answer when there is no repeat: 1 or 2
};

class ContestModel {
 public:
  void Reset(int reportMode, std::string contestantCall);
  int Add(const ModelQso& qso);
  int Remove(const ModelQso& qso);
  CheckExpectation Check(const std::string& call, const std::string& mode,
                         const std::string& auxText, const std::string& band, int hour) const;

  // The summary from the line end after the contest date on, and the score.
  // Like the plug-in, it puts the bands in their report order first.
  std::string SummaryAfterDate();
  std::int32_t Score() const;

  int ReportMode() const noexcept { return reportMode_; }
  std::size_t Count() const noexcept { return qsos_.size(); }

 private:
  struct BandTotals {
    std::int64_t qsos = 0;
    std::int64_t cw = 0;
    std::int64_t ssb = 0;
    std::int64_t kvant = 0;
  };
  BandTotals Totals(const std::string& band) const;
  void OrderBands();

  int reportMode_ = 0;
  std::string contestantCall_;
  std::vector<ModelQso> qsos_;
  std::vector<std::string> bands_;
};

}  // namespace fuzz
