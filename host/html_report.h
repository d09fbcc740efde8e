#pragma once

// The contest report as one self-contained HTML page: the header, the plug-in's
// per-band result, tours by band (table and chart), the CW/SSB/digital split,
// the refused QSOs and the tour repeats. No script, no file or address outside
// the page; the same input gives the same bytes on every build.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/qso_mapping.h"
#include "host/report.h"
#include "host/report_language.h"
#include "host/tour_matrix.h"

namespace host {

struct RepeatPair {
  HostQso first;   // the stored QSO
  HostQso repeat;  // the one the tour check would have warned about
};

struct HtmlReportInput {
  std::string summaryText;                  // as GetResult0 returned it
  std::optional<std::string> cabrilloFile;  // the Cabrillo log this run wrote
  TourMatrix tours;                         // the QSOs the plug-in stored
  std::vector<RefusedQso> refused;
  std::vector<RepeatPair> repeats;
};

// What the page shows of one run: the log's QSOs, which of them the plug-in
// stored, its summary text and the problem log it wrote.
HtmlReportInput ReportInputOfRun(const std::vector<HostQso>& qsos,
                                 const std::vector<bool>& accepted, std::string summaryText,
                                 std::string_view problemLog,
                                 std::optional<std::string> cabrilloFile);

std::string HtmlReport(const HtmlReportInput& input, ReportLanguage language);

}  // namespace host
