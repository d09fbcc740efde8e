#include "stats/contest.h"

#include <cstring>

#include "stats/public/plugin_names.h"
#include "stats/rules/exchange.h"
#include "stats/rules/modes.h"
#include "stats/rules/tours.h"
#include "stats/summary.h"
#include "stats/tour_check.h"

namespace stats {
namespace {

// Keeps the problem log open for appending for the length of one call.
class AppendSession {
 public:
  explicit AppendSession(ProblemLog& log) : log_(log) { log_.OpenForAppend(); }
  ~AppendSession() { log_.CloseAppend(); }
  AppendSession(const AppendSession&) = delete;
  AppendSession& operator=(const AppendSession&) = delete;

 private:
  ProblemLog& log_;
};

}  // namespace

int Contest::Reset(int reportMode, std::string_view contestantCall,
                   const OleDateTime& contestDateTime) {
  if (!companionStarted_) {
    companionStarted_ = true;  // never retried, even when the start failed
    platform_.StartProgram(std::string(kCompanionCommandLine));
  }
  contestDate_ = FormatOleDateTime(contestDateTime, "%d.%m.%Y");
  store_.Clear();
  bands_.Clear();
  reportMode_ = reportMode;
  contestantCall_ = contestantCall;
  problemLog_.Restart();
  if (reportMode_ != 0) station_.EditStationDetails(platform_, contestantCall_);
  return 1;
}

int Contest::AddQso(Qso qso) {
  // A refused QSO opens err.txt, appends its line and closes it; an accepted
  // one only sees that the file is there, creating it empty when it is not.
  // The files are the same as with an open and a close in every call, for a
  // fraction of the cost.
  std::string_view refusal;
  if (!IsContestMode(qso.mode)) {
    refusal = kNoContestModeEnding;
  } else if (!HasBothExchanges(qso.exchangeSent, qso.exchangeReceived)) {
    refusal = kNoRxNumberEnding;
  }
  if (!refusal.empty()) {
    const AppendSession session(problemLog_);
    problemLog_.WriteRejected(refusal, qso);
    return 0;
  }
  problemLog_.EnsureExists();
  bands_.AddIfNew(qso.band);
  store_.Add(std::move(qso));
  return 1;
}

int Contest::RemoveQso(const Qso& qso) {
  if (!HasBothExchanges(qso.exchangeSent, qso.exchangeReceived)) return 0;
  store_.RemoveFirstLike(qso);
  return 1;
}

int Contest::CheckCall(std::string_view call, std::string_view mode, std::string_view auxText,
                       std::string_view band, char* messageBuffer) {
  const int code = CheckTour(store_, TourQuery{call, mode, auxText, band}, [this] {
    const UtcTime now = platform_.CurrentUtcTime();
    return TourOf(now.hour, now.minute, now.second);
  });
  if (code == kStatsCallRepeat && messageBuffer != nullptr) {
    const std::string warning = TourWarning(call);
    std::memcpy(messageBuffer, warning.c_str(), warning.size() + 1);
  }
  return code;
}

const char* Contest::GetResult(int* score) {
  ContestSummary result = SummarizeContest(store_, bands_, contestDate_, contestantCall_);
  summaryText_ = std::move(result.summaryText);
  claimedScore_ = result.score;
  if (score != nullptr) *score = claimedScore_;
  station_.StoreClaimedScore(platform_, claimedScore_);
  if (reportMode_ != 0) {
    station_.WriteCabrilloFile(platform_, claimedScore_, store_);
    if (score != nullptr) *score = -1;
  }
  return summaryText_.c_str();
}

}  // namespace stats
