#include "pages/line_chart.h"

#include <algorithm>

#include "pages/local_forms.h"
#include "pages/svg_draw.h"

namespace pages {
namespace {

constexpr int kFontSize = 11;

std::string Int(long long value) { return std::to_string(value); }

}  // namespace

std::string LineChartSvg(const LineChart& chart) {
  const std::size_t count = std::min(chart.columns.size(), chart.values.size());
  long long highest = 1;
  for (std::size_t i = 0; i < count; ++i) highest = std::max(highest, chart.values[i]);
  const long long step = svg::TickStep(highest, 4);
  const long long scaleTop = (highest + step - 1) / step * step;

  SvgCanvas canvas(chart.id, chart.title, chart.width);
  canvas.Raw("<g font-size=\"" + Int(kFontSize) + "\">\n");
  const int left = svg::TextWidth(GroupedNumber(scaleTop, chart.language), kFontSize) + 6;
  const int right = chart.width - 4;
  const int plotTop = kFontSize + 8;  // room for the last value above the line
  const int plotBottom = chart.height - kFontSize - 12;
  const auto yOf = [&](long long value) {
    return plotBottom - static_cast<int>((plotBottom - plotTop) * std::max(value, 0LL) / scaleTop);
  };
  const auto xOf = [&](std::size_t i) {
    return count < 2 ? (left + right) / 2
                     : left + static_cast<int>((right - left) * static_cast<long long>(i) /
                                               static_cast<long long>(count - 1));
  };

  for (long long value = 0; value <= scaleTop; value += step) {
    canvas.Line(left, yOf(value), right, yOf(value), "stroke=\"#ccc\"");
    canvas.Text(left - 4, yOf(value) + 4, "end", GroupedNumber(value, chart.language));
  }
  if (count > 0) {
    std::string points;
    for (std::size_t i = 0; i < count; ++i) {
      if (i > 0) points += ' ';
      points += Int(xOf(i)) + "," + Int(yOf(chart.values[i]));
    }
    canvas.Raw("<polyline fill=\"none\" stroke=\"#1f4e8c\" stroke-width=\"2\" points=\"" + points +
               "\"/>\n");
    const std::size_t last = count - 1;
    canvas.Raw("<circle cx=\"" + Int(xOf(last)) + "\" cy=\"" + Int(yOf(chart.values[last])) +
               "\" r=\"3\" fill=\"#1f4e8c\"/>\n");
    canvas.Text(right, yOf(chart.values[last]) - 7, "end",
                GroupedNumber(chart.values[last], chart.language),
                " class=\"final\" font-weight=\"bold\"");
    // The first, middle and last columns, where they leave each other room.
    std::vector<std::size_t> labelled{0};
    if (count > 2) labelled.push_back(last / 2);
    if (count > 1) labelled.push_back(last);
    int freeFrom = 0;
    for (const std::size_t i : labelled) {
      const int width = svg::TextWidth(chart.columns[i], kFontSize);
      const int x = std::clamp(xOf(i) - width / 2, 0, chart.width - width);
      if (x < freeFrom) continue;
      canvas.Text(x, chart.height - 4, "start", chart.columns[i]);
      freeFrom = x + width + 6;
    }
  }
  canvas.Line(left, plotBottom, right, plotBottom, "stroke=\"#000\"");
  canvas.Raw("</g>\n");
  return canvas.Finish(chart.height);
}

}  // namespace pages
