#pragma once

// The contest report as one self-contained HTML page. The summary, which
// prints on at most two A4 pages: the header, the result by band, the tours,
// Kvant, the progress and rates. The appendix, from a new page: the refused
// QSOs, the records that did not reach the plug-in (where there are any), the
// repeats, the numbers to check and every Kvant. No script, no file or address
// outside the page; the same input gives the same bytes on every build.

#include <optional>
#include <string>
#include <vector>

#include "logs/text/report_language.h"
#include "stats-host/report/kvant_slips.h"
#include "stats-host/report/number_check.h"
#include "stats-host/report/qso_timeline.h"
#include "stats-host/report/tour_matrix.h"
#include "stats-host/report/tour_repeats.h"
#include "stats-host/run/run_result.h"

namespace stats_host {

// The observers of a run that gather what the page shows beside the plug-in's
// answers and the repeats.
struct PageObservers {
  TourMatrix tours;
  QsoTimeline timeline;
  NumberCheck numbers;
  KvantSlipFinder slips;

  std::vector<QsoObserver*> All() { return {&tours, &timeline, &numbers, &slips}; }
};

struct HtmlReportInput {
  std::string summaryText;                  // as GetResult0 returned it
  std::optional<std::string> cabrilloFile;  // the Cabrillo log this run wrote
  TourMatrix tours;                         // the QSOs the plug-in stored
  KvantSlipFinder slips;
  Timeline timeline;
  NumberFindings numbers;
  std::vector<RefusedQso> refused;
  std::vector<TourRepeat> repeats;
  std::size_t records = 0;  // in the log
  std::size_t skipped = 0;  // of them, records that did not reach the plug-in
  std::vector<SkippedRecord> skippedRecords;
};

// What the page shows of one run, with what its observers found.
HtmlReportInput ReportInputOfRun(const RunResult& result, PageObservers& observers,
                                 const std::vector<TourRepeat>& repeats);

std::string HtmlReport(const HtmlReportInput& input, logs::ReportLanguage language);

}  // namespace stats_host
