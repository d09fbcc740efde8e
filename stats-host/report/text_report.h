#pragma once

// stats-host's report on the terminal: the plug-in's summary as a table, the
// QSOs it refused, the repeats, and the files of this run.

#include <string>
#include <vector>

#include "stats-host/report/console_texts.h"
#include "stats-host/report/tour_repeats.h"
#include "stats-host/run/run_result.h"

namespace stats_host {

// The whole report, with the repeats when they were asked for (not null), in
// the words of `texts`. Only what this run wrote shows: a file the plug-in
// could not write is named with the reason.
std::string FormatReport(
    const RunResult& result, const std::vector<TourRepeat>* repeats,
    const ConsoleTexts& texts = ConsoleTextsOf(logs::ReportLanguage::kEnglish));

}  // namespace stats_host
