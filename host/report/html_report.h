#pragma once

// The contest report as one self-contained HTML page: the header, the plug-in's
// per-band result, tours by band (table and chart), the CW/SSB/digital split,
// the refused QSOs, the records that did not reach the plug-in (where there are
// any) and the tour repeats. No script, no file or address outside
// the page; the same input gives the same bytes on every build.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/report/report_language.h"
#include "host/report/tour_matrix.h"
#include "host/report/tour_repeats.h"
#include "host/run/run_result.h"

namespace host {

struct HtmlReportInput {
  std::string summaryText;                  // as GetResult0 returned it
  std::optional<std::string> cabrilloFile;  // the Cabrillo log this run wrote
  TourMatrix tours;                         // the QSOs the plug-in stored
  std::vector<RefusedQso> refused;
  std::vector<TourRepeat> repeats;
  std::size_t records = 0;  // in the log
  std::size_t skipped = 0;  // of them, records that did not reach the plug-in
  std::vector<SkippedRecord> skippedRecords;
};

// What the page shows of one run, with the tours and the repeats found in it.
HtmlReportInput ReportInputOfRun(const RunResult& result, const TourMatrix& tours,
                                 const std::vector<TourRepeat>& repeats);

std::string HtmlReport(const HtmlReportInput& input, ReportLanguage language);

}  // namespace host
