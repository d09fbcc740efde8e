#pragma once

// A line through one value per column as inline SVG (see svg_draw.h), small
// enough to stand beside others: its scale from zero, the labels of the first,
// middle and last columns, and its last value written at its end.

#include <string>
#include <vector>

#include "logs/text/report_language.h"

namespace pages {

struct LineChart {
  std::string id;
  std::string title;
  int width = 236;
  int height = 150;
  std::vector<std::string> columns;  // the label of each point
  std::vector<long long> values;     // one per column
  logs::ReportLanguage language = logs::ReportLanguage::kEnglish;
};

// The last value is the text of class "final".
std::string LineChartSvg(const LineChart& chart);

}  // namespace pages
