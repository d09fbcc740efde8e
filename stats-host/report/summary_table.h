#pragma once

// The plug-in's summary text (tab-separated lines ended by CR LF) laid out for a
// terminal.

#include <string>
#include <string_view>

#include "stats-host/report/console_texts.h"

namespace stats_host {

// Lines with two or more filled cells become rows of one table: the first column
// left-aligned, the others right-aligned, two spaces apart, by the characters
// they show; the column-header row's empty first cell is titled. Other lines
// keep their text without the tabs and spaces around it. The plug-in's labels
// are shown in the words given; lines end with "\n".
std::string FormatSummaryTable(
    std::string_view summaryText,
    const SummaryWords& words = ConsoleTextsOf(logs::ReportLanguage::kEnglish).summary);

}  // namespace stats_host
