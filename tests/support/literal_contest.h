#pragma once

// The contest evaluated the plain way, as a yardstick for Contest: the records
// in a vector searched from the front, two full passes for a call check with
// the clock read for every record that matches, one pass over the store per
// band with distinct marked calls kept in lists, and the same exchange sort of
// the band list. It keeps no index of any kind, so that its answers can be
// trusted without trusting the indexes of the real store; the benchmarks run it
// beside Contest to show what those indexes save.
//
// It covers what the entry points return (codes, warning, summary, score, the
// exchange check), the problem log and the "Claimed" setting, and it writes
// every text itself: the summary, the warning, the err.txt lines and the dates
// in them share no code with the plug-in. The companion start, the station
// details and the Cabrillo export are not modelled: a nonzero report mode only
// turns the score handed back into -1, as it does in Contest. The entry-point
// fuzzer checks the plug-in against it too.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "stats/ole_date.h"
#include "stats/platform/platform.h"
#include "stats/qso.h"

namespace stats::testing {

class LiteralContest {
 public:
  // The problem log goes to problemLogPath, so that it can sit beside the one
  // of a Contest in the same folder.
  LiteralContest(Platform& platform, std::string problemLogPath);

  int Reset(int reportMode, std::string_view contestantCall, const OleDateTime& contestDateTime);
  int AddQso(const stats::Qso& qso);
  int RemoveQso(const stats::Qso& qso);
  // The buffer must hold 50 bytes more than the call sign's length.
  int CheckCall(std::string_view call, std::string_view mode, std::string_view auxText,
                std::string_view band, char* messageBuffer);
  const char* GetResult(int* score);
  static int IsValidExchange(std::string_view exchange, int forceInvalid);

  std::size_t Count() const noexcept { return records_.size(); }

 private:
  // The record as the design describes it, marked calls included.
  struct Record {
    std::string call;
    std::string auxText;  // always empty
    std::string markedCallNonCw;
    std::string band;
    std::string mode;
    std::string rstReceived;
    std::string rstSent;
    std::string exchangeReceived;
    std::string exchangeSent;
    std::string markedCallCw;
    std::uint32_t frequencyKhz = 0;
    OleDateTime qsoTime;
  };

  Platform& platform_;
  std::string problemLogPath_;
  std::int32_t reportMode_ = 0;
  std::string contestantCall_;
  std::string contestDate_;
  std::vector<Record> records_;
  std::vector<std::string> bands_;
  std::string summaryText_;
};

}  // namespace stats::testing
