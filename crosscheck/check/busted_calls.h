#pragma once

// Busted calls. A QSO that nothing confirmed is a busted call when a station
// that sent a log, whose call is close to the logged one (call_edit.h), holds
// the matching QSO: with this log's station, at this time (within the
// window, both clocks corrected), on this band and in this mode, itself
// unconfirmed, and a number agrees: the one this log received is the one
// that station sent, or the other way round (a sender's own slip in its log
// aside, see ExchangeCheck). Each log's QSO is judged on its own evidence,
// however many logs hold the same wrong call, and whether or not the wrong
// call is a station that sent a log. Where neither number agrees, only a
// call in no other log that sent no log is judged busted. Both numbers must
// agree where both sides miscopied each other's call (both QSOs are busted
// calls), and where the two times are further apart than the window but
// within a day (a slip in one side's time too; both get Note::kTimesApart).
// The two QSOs are paired: this one is a busted call with the right call
// named, the other station's is confirmed by it. Of several candidates,
// those whose numbers agree both ways come first, then one way; then one
// call miscopied before both, within the window before further apart, a
// letter that sounds alike before other edits, and the nearest in time.

#include <cstdint>
#include <vector>

#include "crosscheck/check/contest.h"
#include "crosscheck/check/exchange_check.h"
#include "crosscheck/check/verdict.h"

namespace crosscheck {

struct CallIndex {
  std::vector<LogId> logOfCall;         // the checked log of each call, or kNone
  std::vector<std::uint32_t> logsWith;  // in how many checked logs each call is
};

// `corrected`: each QSO's moment by the correct clock. Reads and extends
// `partner` (see PairWithinWindow); sets the busted-call judgements.
void FindBustedCalls(const Contest& contest, const CallIndex& calls,
                     const std::vector<std::int64_t>& corrected, const std::vector<bool>& matchable,
                     const ExchangeCheck& exchanges, std::int64_t windowSeconds,
                     std::vector<QsoId>& partner, std::vector<Judgement>& judgements);

}  // namespace crosscheck
