#pragma once

// Stacked columns as inline SVG (see svg_draw.h): a column per entry of the x
// axis, its series stacked from the bottom up, its total on top.

#include <string>
#include <vector>

#include "logs/text/report_language.h"
#include "pages/svg_draw.h"

namespace pages {

struct ChartSeries {
  std::string label;
  Fill fill;
  std::vector<long long> values;  // one per column or row of the chart
};

struct StackedColumns {
  std::string id;                    // unique in the page: the picture's id
  std::string title;                 // what a screen reader says
  std::string legendTitle;           // before the legend, e.g. "Band"
  int width = 720;                   // in the picture's units, which are pixels at full size
  std::vector<std::string> columns;  // the label under each column
  std::vector<std::string> dates;    // the day of each column, "" for none
  std::vector<ChartSeries> series;   // stacked from the bottom up
  logs::ReportLanguage language = logs::ReportLanguage::kEnglish;  // of the numbers
};

// Column labels thin out so that they never touch. Totals stand on their
// columns, turned upright where one of them is wider than its column. Every
// day is named under its first column, on a lower line where the one before
// leaves no room.
std::string StackedColumnSvg(const StackedColumns& chart);

}  // namespace pages
