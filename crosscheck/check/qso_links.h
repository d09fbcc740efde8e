#pragma once

// The QSOs that name a station which sent a log, grouped by the two logs, the
// band and the mode: each group holds the one log's QSOs with the other and
// the other's QSOs with the one, each side in order of logged time. Only
// within a group can QSOs confirm each other.

#include <cstdint>
#include <vector>

#include "crosscheck/check/contest.h"

namespace crosscheck {

struct QsoLink {
  std::int64_t time = 0;  // the QSO's moment on its log's clock (MomentOf), or see Retime
  QsoId qso = 0;
};

struct LinkGroup {
  LogId low = 0;   // the log whose QSOs are links[begin, middle)
  LogId high = 0;  // the log whose QSOs are links[middle, end)
  std::uint32_t begin = 0;
  std::uint32_t middle = 0;
  std::uint32_t end = 0;
};

struct QsoLinks {
  std::vector<QsoLink> links;
  std::vector<LinkGroup> groups;  // only groups with QSOs on both sides
};

// The first of links[begin, end) (in time order) logged at `time` or later.
std::uint32_t FirstAtOrAfter(const std::vector<QsoLink>& links, std::uint32_t begin,
                             std::uint32_t end, std::int64_t time);

// Each link's time set to its QSO's moment by the correct clock (by QsoId),
// each side of each group in that order again.
void Retime(QsoLinks& links, const std::vector<std::int64_t>& corrected);

// `logOfCall`: the checked log of each call or kNone; `matchable`: whether a
// QSO may confirm or be confirmed (a checked log, a counted mode, a known and
// counted band).
QsoLinks LinkQsos(const Contest& contest, const std::vector<LogId>& logOfCall,
                  const std::vector<bool>& matchable);

}  // namespace crosscheck
