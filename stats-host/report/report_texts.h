#pragma once

// Every word of the HTML report, in English and in Russian (UTF-8). A text
// with "{0}", "{1}"... takes values (see Substituted).

#include <string_view>

#include "logs/text/report_language.h"

namespace stats_host {

struct ReportTexts {
  std::string_view htmlLanguage;
  std::string_view reportTitle;
  std::string_view contestant;
  std::string_view contestDate;
  std::string_view claimedScore;
  std::string_view cabrilloFile;
  std::string_view noCabrilloFile;
  std::string_view nothingCounted;
  // the result by band
  std::string_view bandsHeading;
  std::string_view band;
  std::string_view qsos;
  std::string_view points;
  std::string_view digital;
  std::string_view kvant;
  std::string_view total;
  std::string_view scoreRule;
  std::string_view modesChartTitle;
  // tours
  std::string_view toursHeading;
  std::string_view tour;
  std::string_view toursChartTitle;
  std::string_view byBand;
  std::string_view perTenMinutes;
  std::string_view changes;
  std::string_view sinceStart;
  std::string_view score;
  std::string_view tenMinutesTitle;
  std::string_view toursNote;
  std::string_view daySubtotal;
  std::string_view tourMixHeading;
  std::string_view newCalls;
  std::string_view againCalls;
  std::string_view tourMixNote;
  // Kvant
  std::string_view kvantHeading;
  std::string_view otherModes;
  std::string_view otherModesShort;
  std::string_view missing;
  std::string_view notWorkedInMode;
  std::string_view withoutW;
  std::string_view kvantNote;
  std::string_view oneMoreKvant;
  std::string_view zeroScore;
  std::string_view zeroScoreSlips;
  // Kvant lost to slips
  std::string_view slipsHeading;
  std::string_view slipsNote;
  std::string_view loggedAs;
  std::string_view slipsCost;
  std::string_view noSlips;
  // progress and rates
  std::string_view progressHeading;
  std::string_view progressQsos;
  std::string_view progressKvant;
  std::string_view progressScore;
  std::string_view firstQso;
  std::string_view lastQso;
  std::string_view operatingTime;
  std::string_view operatingTimeRule;
  std::string_view breaks;
  std::string_view breaksValue;
  std::string_view best10;
  std::string_view best60;
  std::string_view rateValue;
  std::string_view averageRate;
  std::string_view averageRateValue;
  std::string_view breaksHeading;
  std::string_view breakFrom;
  std::string_view breakTo;
  std::string_view breakLength;
  std::string_view ratesHeading;
  std::string_view bandRatesHeading;
  std::string_view rateChartTitle;
  std::string_view progressNote;
  // the appendix
  std::string_view appendixHeading;
  std::string_view firstRowsOnly;
  std::string_view none;
  std::string_view refusedHeading;
  std::string_view refusedNote;
  std::string_view record;
  std::string_view call;
  std::string_view time;
  std::string_view mode;
  std::string_view reason;
  std::string_view problemLine;
  std::string_view reasonMode;
  std::string_view reasonNumber;
  std::string_view reasonSentNumber;
  std::string_view reasonNumbers;
  std::string_view reasonOther;
  std::string_view reasonNoLine;
  std::string_view skippedHeading;
  std::string_view skippedNote;
  std::string_view of;
  std::string_view byte;
  std::string_view said;
  std::string_view repeatsHeading;
  std::string_view repeatsNote;
  std::string_view repeatsRefusedHeading;
  std::string_view repeatsRefusedNote;
  std::string_view firstQsoOfPair;
  std::string_view repeatQso;
  std::string_view otherDate;
  std::string_view numbersHeading;
  std::string_view sentGaps;
  std::string_view sentRepeats;
  std::string_view sentNote;
  std::string_view records;
  std::string_view receivedBad;
  std::string_view received;
  std::string_view receivedNote;
  std::string_view gridHeading;
  std::string_view gridNote;
  std::string_view gridNoteDays;
  std::string_view missedHeading;
  std::string_view missedNote;
  std::string_view noCwOnBand;
  std::string_view noOtherOnBand;
  std::string_view footer;
};

const ReportTexts& TextsOf(logs::ReportLanguage language);

}  // namespace stats_host
