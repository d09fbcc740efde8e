#pragma once

// The report's two charts as inline SVG, drawn with whole-pixel coordinates so
// that every build writes the same bytes. Fills differ in lightness and, from
// the third one on, in pattern as well, so that they stay apart in greyscale
// print. Labels are UTF-8 text; the charts escape them.

#include <string>
#include <vector>

namespace host {

enum class ChartPalette { kBands, kModes };

struct ChartSeries {
  std::string label;
  std::vector<long long> values;  // one per column or row of the chart
};

struct StackedColumns {
  std::string id;                    // unique in the page: prefixes the pattern ids
  std::string title;                 // what a screen reader says
  std::string legendTitle;           // before the legend, e.g. "Band"
  std::vector<std::string> columns;  // the label under each column
  std::vector<std::string> dates;    // a second line under a column, or "" for none
  std::vector<ChartSeries> series;   // stacked from the bottom up
};

// Columns stacked by series, with each column's total on top when it fits.
std::string StackedColumnSvg(const StackedColumns& chart, ChartPalette palette);

struct ShareBars {
  std::string id;
  std::string title;
  std::vector<std::string> rows;    // the label left of each bar
  std::vector<ChartSeries> series;  // side by side within a bar
  bool lastRowIsTotal = false;      // drawn apart and in bold
};

// One bar per row split into the series' shares, each share with its count
// when the count fits.
std::string ShareBarSvg(const ShareBars& chart, ChartPalette palette);

}  // namespace host
