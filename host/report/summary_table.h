#pragma once

// The plug-in's summary text (tab-separated lines ended by CR LF) laid out for a
// terminal.

#include <string>
#include <string_view>

namespace host {

// Lines with two or more filled cells become rows of one table: the first column
// left-aligned, the others right-aligned, two spaces apart; the column-header
// row's empty first cell is titled "Band". Other lines keep their text without
// the tabs and spaces around it. Lines end with "\n".
std::string FormatSummaryTable(std::string_view summaryText);

}  // namespace host
