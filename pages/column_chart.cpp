#include "pages/column_chart.h"

#include <algorithm>

#include "pages/local_forms.h"

namespace pages {
namespace {

using svg::kFontSize;
using svg::TextWidth;

constexpr int kPlotHeight = 220;
constexpr int kMaxColumnWidth = 56;
constexpr int kDateLine = 15;

std::string Int(long long value) { return std::to_string(value); }

}  // namespace

std::string StackedColumnSvg(const StackedColumns& chart) {
  const std::size_t count = chart.columns.size();
  std::vector<long long> totals(count, 0);
  for (const ChartSeries& series : chart.series) {
    for (std::size_t i = 0; i < count && i < series.values.size(); ++i) {
      totals[i] += series.values[i];
    }
  }
  std::vector<std::string> totalLabels;
  int widestTotal = 0;
  for (const long long total : totals) {
    totalLabels.push_back(GroupedNumber(total, chart.language));
    widestTotal = std::max(widestTotal, TextWidth(totalLabels.back()));
  }
  const long long highest = count == 0 ? 0 : *std::max_element(totals.begin(), totals.end());
  const long long step = svg::TickStep(std::max(highest, 1LL));
  const long long scaleTop = (std::max(highest, 1LL) + step - 1) / step * step;

  SvgCanvas canvas(chart.id, chart.title, chart.width);
  std::vector<SvgCanvas::LegendEntry> legend;
  for (const ChartSeries& series : chart.series) legend.push_back({series.label, series.fill});
  const int legendBottom = canvas.Legend(0, chart.legendTitle, legend);

  const int left = TextWidth(GroupedNumber(scaleTop, chart.language)) + 10;
  const int plotWidth = chart.width - 4 - left;
  const int slot = count == 0 ? plotWidth : std::max(plotWidth / static_cast<int>(count), 1);
  const bool upright = widestTotal + 2 > slot;
  const bool totalsShown = !upright || slot >= kFontSize + 1;
  const int plotTop = legendBottom + 8 + (upright ? widestTotal + 4 : kFontSize + 4);
  const int plotBottom = plotTop + kPlotHeight;
  const auto yOf = [&](long long value) {
    return plotBottom - static_cast<int>(kPlotHeight * value / scaleTop);
  };

  canvas.Raw("<g class=\"grid\" stroke=\"#bbb\" stroke-width=\"1\">\n");
  for (long long value = 0; value <= scaleTop; value += step) {
    canvas.Line(left, yOf(value), chart.width - 4, yOf(value), "");
  }
  canvas.Raw("</g>\n<g class=\"ticks\">\n");
  for (long long value = 0; value <= scaleTop; value += step) {
    canvas.Text(left - 6, yOf(value) + 4, "end", GroupedNumber(value, chart.language));
  }
  canvas.Raw("</g>\n");

  int labelWidth = 0;
  for (const std::string& label : chart.columns) {
    labelWidth = std::max(labelWidth, TextWidth(label) + 8);
  }
  const int labelEvery = std::max(1, (labelWidth + slot - 1) / slot);
  std::vector<int> dateLinesFreeFrom;  // per line of dates: where the next date may start
  std::string previousDate;
  for (std::size_t i = 0; i < count; ++i) {
    const int x0 = left + static_cast<int>(plotWidth * static_cast<long long>(i) / count);
    const int x1 = left + static_cast<int>(plotWidth * static_cast<long long>(i + 1) / count);
    const int barWidth = std::max(1, std::min((x1 - x0) * 2 / 3, kMaxColumnWidth));
    const int barX = x0 + (x1 - x0 - barWidth) / 2;
    const int middle = x0 + (x1 - x0) / 2;
    long long below = 0;
    canvas.Raw("<g class=\"column\">\n");
    for (const ChartSeries& series : chart.series) {
      const long long value = i < series.values.size() ? series.values[i] : 0;
      if (value <= 0) continue;
      const int top = yOf(below + value);
      canvas.Rect(
          barX, top, barWidth, yOf(below) - top, canvas.Paint(series.fill),
          chart.columns[i] + ", " + series.label + ": " + GroupedNumber(value, chart.language));
      below += value;
    }
    if (totalsShown && totals[i] > 0) {
      const int y = yOf(totals[i]) - 4;
      if (upright) {
        canvas.Text(
            middle + 4, y, "start", totalLabels[i],
            " class=\"total\" transform=\"rotate(-90 " + Int(middle + 4) + " " + Int(y) + ")\"");
      } else {
        canvas.Text(middle, y, "middle", totalLabels[i], " class=\"total\"");
      }
    }
    if (i % labelEvery == 0) canvas.Text(middle, plotBottom + 15, "middle", chart.columns[i]);
    const std::string date = i < chart.dates.size() ? chart.dates[i] : "";
    if (!date.empty() && date != previousDate) {
      // A new day: a dashed line before its first column, the date beside it.
      if (i > 0) {
        canvas.Line(x0, plotTop, x0, plotBottom + 32, "stroke=\"#666\" stroke-dasharray=\"3 3\"");
      }
      const int dateWidth = TextWidth(date);
      const int x = std::min(x0 + 3, chart.width - dateWidth);
      std::size_t line = 0;
      while (line < dateLinesFreeFrom.size() && x < dateLinesFreeFrom[line]) ++line;
      if (line == dateLinesFreeFrom.size()) dateLinesFreeFrom.push_back(0);
      canvas.Text(x, plotBottom + 30 + static_cast<int>(line) * kDateLine, "start", date,
                  " class=\"date\"");
      dateLinesFreeFrom[line] = x + dateWidth + 8;
    }
    previousDate = date;
    canvas.Raw("</g>\n");
  }
  canvas.Line(left, plotBottom, chart.width - 4, plotBottom, "stroke=\"#000\"");
  const int dateLines = static_cast<int>(dateLinesFreeFrom.size());
  return canvas.Finish(plotBottom + 20 + dateLines * kDateLine);
}

}  // namespace pages
