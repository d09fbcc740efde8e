#include "pages/bar_chart.h"

#include <algorithm>

#include "pages/local_forms.h"

namespace pages {
namespace {

using svg::TextWidth;

constexpr int kBarHeight = 10;
constexpr int kBarGap = 2;
constexpr int kGroupGap = 9;

}  // namespace

std::string GroupedBarSvg(const GroupedBars& chart) {
  SvgCanvas canvas(chart.id, chart.title, chart.width);
  std::vector<SvgCanvas::LegendEntry> legend;
  for (const ChartSeries& series : chart.series) legend.push_back({series.label, series.fill});
  int y = canvas.Legend(0, "", legend) + 4;

  int labelWidth = 0;
  long long highest = 1;
  int widestCount = 0;
  for (const ChartSeries& series : chart.series) {
    for (const long long value : series.values) {
      highest = std::max(highest, value);
      widestCount = std::max(widestCount, TextWidth(GroupedNumber(value, chart.language)));
    }
  }
  for (const std::string& row : chart.rows) labelWidth = std::max(labelWidth, TextWidth(row));
  const int barLeft = std::min(labelWidth, chart.width / 3) + 8;
  const int barRoom = std::max(chart.width - barLeft - widestCount - 6, 1);

  const int top = y;
  for (std::size_t r = 0; r < chart.rows.size(); ++r) {
    const int groupHeight =
        static_cast<int>(chart.series.size()) * (kBarHeight + kBarGap) - kBarGap;
    canvas.Raw("<g class=\"bar\">\n");
    canvas.Text(barLeft - 6, y + groupHeight / 2 + 4, "end", chart.rows[r]);
    for (const ChartSeries& series : chart.series) {
      const long long value = r < series.values.size() ? std::max(series.values[r], 0LL) : 0;
      const int length = static_cast<int>(barRoom * value / highest);
      if (length > 0) {
        canvas.Rect(
            barLeft, y, length, kBarHeight, canvas.Paint(series.fill),
            chart.rows[r] + ", " + series.label + ": " + GroupedNumber(value, chart.language));
      }
      canvas.Text(barLeft + length + 3, y + kBarHeight - 1, "start",
                  GroupedNumber(value, chart.language), " font-size=\"11\"");
      y += kBarHeight + kBarGap;
    }
    canvas.Raw("</g>\n");
    y += kGroupGap - kBarGap;
  }
  canvas.Line(barLeft, top - 2, barLeft, y - kGroupGap + kBarGap + 2, "stroke=\"#000\"");
  return canvas.Finish(y);
}

}  // namespace pages
