#pragma once

// Every word of the results page and the participants' reports, in English and
// in Russian (UTF-8). Texts with {0}, {1}, ... take values through
// logs::Substituted.

#include <array>
#include <string_view>

#include "crosscheck/check/verdict.h"
#include "logs/text/report_language.h"

namespace crosscheck {

struct CheckTexts {
  std::string_view htmlLanguage;
  // the results page
  std::string_view pageTitle;
  std::string_view logsChecked;
  std::string_view filesNotRead;
  std::string_view filesNotChecked;  // not read, or superseded
  std::string_view qsoLines;
  std::string_view window;     // {0}: minutes
  std::string_view noLogRule;  // {0}: --min-logs
  std::string_view uniquesCounted;
  std::string_view uniquesNotCounted;
  std::string_view period;
  std::string_view penalties;  // {0}: verdict — points, ...
  std::string_view noPenalties;
  std::string_view wholeLog;
  std::string_view figuresHeading;
  std::string_view figuresNote;
  std::string_view verdict;
  std::string_view lines;
  std::string_view share;
  std::array<std::string_view, kVerdictCount> verdictNames;
  std::string_view clocksHeading;
  std::string_view clocksNote;
  std::string_view clocksChartTitle;
  std::string_view logs;
  std::string_view offsetUnder;  // {0}: the bound
  std::string_view offsetUnknown;
  std::string_view clocksListed;
  std::string_view clockOffset;
  std::string_view matches;
  std::string_view resultsHeading;
  std::string_view resultsNote;
  std::string_view noCategory;
  std::string_view place;
  std::string_view call;
  std::string_view claimed;
  std::string_view checked;
  std::string_view reduction;
  std::string_view qsos;
  std::string_view points;
  std::string_view penalty;
  std::string_view kvant;
  std::string_view file;
  std::string_view reason;
  std::string_view supersededBy;  // {0}: the file that counts
  std::string_view none;
  std::string_view footer;
  // the participants' reports
  std::string_view ubnTitle;
  std::string_view category;
  std::string_view categoryInLog;  // {0}: as the log writes it
  std::string_view categoryGiven;
  std::string_view categoryUnclear;  // {0}: as the log writes it
  std::string_view categoryMissing;
  std::string_view notCountedFiles;  // {0}: the other files of the call
  std::string_view scores;           // {0} claimed, {1} checked, {2} reduction
  std::string_view lineCounts;       // {0} lines, {1} counted, {2} Kvant, {3} penalty
  std::string_view formula;          // {0} points, {1} penalty, {2} Kvant, {3} checked
  std::string_view clockAhead;       // {0} offset, {1} matches
  std::string_view clockBehind;
  std::string_view clockRight;  // {0} matches
  std::string_view clockNotKnown;
  std::string_view notConfirmedHeading;
  std::string_view copiedHeading;
  std::string_view sent;
  std::string_view received;
  std::string_view explainNoLogCounted;  // {0} call, {1} logs
  std::string_view explainNoLogNotCounted;
  std::string_view explainNil;           // {0} call, {1} file
  std::string_view explainNilNearest;    // {0} call, {1} file, {2} line, {3} what it holds
  std::string_view explainNilOut;        // {0} call, {1} file, {2} line, {3} what it holds,
                                         // {4} why it is out of the contest
  std::string_view explainBustedCall;    // {0} right call, {1} file, {2} line
  std::string_view explainBustedNumber;  // {0} copied, {1} call, {2} sent, {3} file, {4} line
  std::string_view explainUniqueCounted;
  std::string_view explainUniqueNotCounted;
  std::string_view explainDupe;  // {0} line
  std::string_view explainMode;
  std::string_view explainBand;
  std::string_view explainTime;
  std::string_view explainExcluded;
  std::string_view timesApartHeading;
  std::string_view explainTimesApart;  // {0} call, {1} file, {2} line, {3} what it holds
  std::string_view clockChanged;       // {0} line, {1} time, {2} offset, {3} matches
  std::string_view clockWeak;
  std::string_view clockUnconfirmed;
  std::string_view clockDoubt;  // the results page's column
  std::string_view doubtWeak;
  std::string_view doubtUnconfirmed;
  std::string_view copiedCall;    // {0} their call, {1} as, {2} file, {3} line, {4} time
  std::string_view copiedNumber;  // {0} their call, {1} sent, {2} as, {3} file, {4} line
};

const CheckTexts& CheckTextsOf(logs::ReportLanguage language);

}  // namespace crosscheck
