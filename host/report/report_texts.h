#pragma once

// Every word of the HTML report, in English and in Russian (UTF-8).

#include <string_view>

#include "host/report/report_language.h"

namespace host {

struct ReportTexts {
  std::string_view htmlLanguage;
  std::string_view reportTitle;
  std::string_view contestant;
  std::string_view contestDate;
  std::string_view claimedScore;
  std::string_view cabrilloFile;
  std::string_view noCabrilloFile;
  // the per-band result
  std::string_view bandsHeading;
  std::string_view band;
  std::string_view qsos;
  std::string_view points;
  std::string_view kvant;
  std::string_view total;
  std::string_view scoreRule;
  // tours
  std::string_view toursHeading;
  std::string_view tour;
  std::string_view toursChartTitle;
  std::string_view toursNote;
  // modes
  std::string_view modesHeading;
  std::string_view modesChartTitle;
  std::string_view digital;
  // refused QSOs
  std::string_view refusedHeading;
  std::string_view refusedNote;
  std::string_view record;
  std::string_view reason;
  std::string_view problemLine;
  std::string_view reasonMode;
  std::string_view reasonNumber;
  std::string_view reasonSentNumber;
  std::string_view reasonNumbers;
  std::string_view reasonOther;
  std::string_view reasonNoLine;
  std::string_view none;
  // records that did not reach the plug-in
  std::string_view skippedHeading;
  std::string_view skippedNote;
  std::string_view of;
  std::string_view byte;
  std::string_view said;
  // tour repeats
  std::string_view repeatsHeading;
  std::string_view repeatsNote;
  std::string_view call;
  std::string_view mode;
  std::string_view firstQso;
  std::string_view repeatQso;
  std::string_view time;
  std::string_view footer;
};

const ReportTexts& TextsOf(ReportLanguage language);

}  // namespace host
