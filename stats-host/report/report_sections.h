#pragma once

// The sections of the contest report, each the HTML of one part of the page.
// The summary: the result by band, the Kvant lost to slips, the tours, Kvant,
// the progress and rates. The appendix: the tours and rates in detail, the
// refused QSOs, the records that did not reach the plug-in, the repeats, the
// numbers to check and every Kvant.

#include <string>
#include <vector>

#include "stats-host/report/kvant_slips.h"
#include "stats-host/report/number_check.h"
#include "stats-host/report/qso_timeline.h"
#include "stats-host/report/report_locale.h"
#include "stats-host/report/tour_matrix.h"
#include "stats-host/report/tour_repeats.h"
#include "stats-host/run/plugin_summary.h"
#include "stats-host/run/run_result.h"

namespace stats_host {

// The plug-in's rows with a digital column, the modes drawn beside them.
std::string BandsSection(const PluginSummary& summary, const ReportLocale& locale);

// A chart of the tours by band, and a row for each tour: QSOs and new Kvant
// by band, the rate per ten minutes, the changes of band and mode, and the
// totals so far.
std::string ToursSection(const TourTable& tours, const Timeline& timeline,
                         const ReportLocale& locale);

// Kvant by band and column, the ones still missing (not worked, or logged
// without W), and what one more adds.
std::string KvantSection(const PluginSummary& summary, const KvantGrid& grid,
                         const std::vector<KvantSlip>& slips, const ReportLocale& locale);

// Each Kvant lost to a W left out (at least one), and what the score would
// have been.
std::string SlipsSection(const PluginSummary& summary, const std::vector<KvantSlip>& slips,
                         const ReportLocale& locale);

// QSOs, Kvant and score at the end of each tour, first and last QSO,
// operating time and the best rates.
std::string ProgressSection(const TourTable& tours, const Timeline& timeline,
                            const ReportLocale& locale);

// New stations against stations worked again, and the modes, tour by tour.
std::string TourMixSection(const TourTable& tours, const Timeline& timeline,
                           const ReportLocale& locale);

// The QSOs of each five minutes, the best 60 minutes of each band, and every
// break with its start, end and length.
std::string RatesSection(const Timeline& timeline, const ReportLocale& locale);

std::string RefusedSection(const std::vector<RefusedQso>& refused, const ReportLocale& locale);
// The first of the records that did not reach the plug-in, with what was said
// about each; `skipped` counts them all.
std::string SkippedSection(std::size_t skipped, const std::vector<SkippedRecord>& listed,
                           const ReportLocale& locale);
std::string RepeatsSection(const std::vector<TourRepeat>& repeats, const ReportLocale& locale);
std::string NumbersSection(const NumberFindings& numbers, const ReportLocale& locale);

// Every marked station with the tour of each Kvant, and the missing ones by
// band with what one more adds.
std::string KvantGridSection(const PluginSummary& summary, const KvantGrid& grid,
                             const std::vector<KvantSlip>& slips, const ReportLocale& locale);

}  // namespace stats_host
