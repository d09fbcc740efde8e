#pragma once

// The plug-in's whole state between the host's calls, and what each entry
// point does with it. One Contest lives in the loaded library; tests make their
// own with a fake platform.

#include <cstdint>
#include <string>
#include <string_view>

#include "stats/ole_date.h"
#include "stats/platform/platform.h"
#include "stats/problem_log.h"
#include "stats/station/station_log.h"
#include "stats/store.h"

namespace stats {

class Contest {
 public:
  explicit Contest(Platform& platform) : platform_(platform), problemLog_(platform) {}

  int Reset(int reportMode, std::string_view contestantCall, const OleDateTime& contestDateTime);
  int AddQso(Qso qso);
  int RemoveQso(const Qso& qso);
  // Writes the warning (with its zero) into messageBuffer only for a repeat.
  int CheckCall(std::string_view call, std::string_view mode, std::string_view auxText,
                std::string_view band, char* messageBuffer);
  // Sets *score when score is not null; the text stays valid until the next call.
  const char* GetResult(int* score);

  const QsoStore& Store() const noexcept { return store_; }
  const BandList& Bands() const noexcept { return bands_; }
  const std::string& ContestDate() const noexcept { return contestDate_; }
  std::int32_t ClaimedScore() const noexcept { return claimedScore_; }

 private:
  Platform& platform_;
  bool companionStarted_ = false;
  std::int32_t reportMode_ = 0;
  std::string contestantCall_;
  std::string contestDate_;
  std::int32_t claimedScore_ = 0;
  QsoStore store_;
  BandList bands_;
  ProblemLog problemLog_;
  StationLog station_;
  std::string summaryText_;
};

}  // namespace stats
