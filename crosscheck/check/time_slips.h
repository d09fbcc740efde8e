#pragma once

// A slip in one QSO's time. A QSO of A with B and a QSO of B with A that
// nothing else confirmed, on one band and in one mode, whose numbers agree
// both ways, are one QSO whose time one side typed wrong (another hour,
// minute or day), however far apart their corrected times are within a day.
// They are paired, with a note (Note::kTimesApart) naming the other line,
// when each is the only such QSO of its log and both logs number their QSOs
// (a number sent unchanged from line to line tells no QSO from another):
// confirmed, as any pair. Of the QSOs left, those whose numbers agree one way
// are paired the same way, each the only such QSO of its log: the other
// number is then a busted number.
// For the tours, such a pair takes the moment of the side whose time lies in
// order among its log's neighbouring lines (see MarkDupes).

#include <cstdint>
#include <vector>

#include "crosscheck/check/contest.h"
#include "crosscheck/check/exchange_check.h"
#include "crosscheck/check/verdict.h"

namespace crosscheck {

// Reads and extends `partner`; sets the note of both QSOs of each pair.
void PairTimeSlips(const Contest& contest, const std::vector<LogId>& logOfCall,
                   const std::vector<std::int64_t>& corrected, const std::vector<bool>& matchable,
                   const ExchangeCheck& exchanges, std::vector<QsoId>& partner,
                   std::vector<Judgement>& judgements);

// Whether the QSO's corrected time lies in order between those of the lines
// before and after it in its log (within `slack` seconds).
bool InOrderInItsLog(const Contest& contest, const std::vector<std::int64_t>& corrected, QsoId id,
                     std::int64_t slack);

}  // namespace crosscheck
