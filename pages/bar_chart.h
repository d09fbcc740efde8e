#pragma once

// Grouped bars as inline SVG (see svg_draw.h): a group per row, a bar per
// series, all on one scale from zero, each bar with its count after its end,
// so that every count can be read on screen and in print.

#include <string>
#include <vector>

#include "pages/column_chart.h"

namespace pages {

struct GroupedBars {
  std::string id;
  std::string title;
  int width = 360;
  std::vector<std::string> rows;    // the label left of each group
  std::vector<ChartSeries> series;  // a bar each within a group
  logs::ReportLanguage language = logs::ReportLanguage::kEnglish;
};

std::string GroupedBarSvg(const GroupedBars& chart);

}  // namespace pages
