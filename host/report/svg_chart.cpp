#include "host/report/svg_chart.h"

#include <algorithm>
#include <string_view>

#include "host/adif/text_encoding.h"
#include "host/report/html_text.h"

namespace host {
namespace {

constexpr int kWidth = 720;
constexpr int kFontSize = 12;
constexpr int kSwatch = 14;
constexpr int kLegendRow = 20;
constexpr int kPlotHeight = 220;
constexpr int kMaxColumnWidth = 56;
constexpr int kBarHeight = 22;
constexpr int kBarGap = 10;

enum class Pattern {
  kSolid,
  kLightStripes,
  kDarkStripes,
  kDarkDots,
  kLightDots,
  kLightCross,
  kDarkCross,
  kDarkLines,
};

struct Fill {
  std::string_view colour;
  Pattern pattern;
  bool dark;  // labels on it are white
};

// Greys of the solid ones: 71, 182 and 140 of 255; the patterned ones differ in
// texture as well. A contest with more bands than fills repeats them.
constexpr Fill kBandFills[] = {
    {"#1f4e8c", Pattern::kSolid, true},        {"#f2b134", Pattern::kSolid, false},
    {"#c0504d", Pattern::kLightStripes, true}, {"#9ecae1", Pattern::kDarkDots, false},
    {"#54278f", Pattern::kLightCross, true},   {"#f7f7f7", Pattern::kDarkStripes, false},
    {"#6aa84f", Pattern::kDarkLines, false},   {"#7f4f24", Pattern::kLightDots, true},
    {"#ffffff", Pattern::kDarkCross, false},   {"#8c8c8c", Pattern::kSolid, false},
};
// CW dark, SSB light, digital mid with stripes.
constexpr Fill kModeFills[] = {
    {"#2e6b4f", Pattern::kSolid, true},
    {"#f4d58d", Pattern::kSolid, false},
    {"#8e5ba6", Pattern::kLightStripes, true},
};

const Fill& FillOf(ChartPalette palette, std::size_t index) {
  if (palette == ChartPalette::kModes) return kModeFills[index % std::size(kModeFills)];
  return kBandFills[index % std::size(kBandFills)];
}

std::string Int(long long value) { return std::to_string(value); }

// Width in pixels of a text at `fontSize` in DejaVu Sans, the widest of the
// fonts the page names (its digits are 0.64 em), rounded up.
int TextWidth(std::string_view utf8, int fontSize) {
  return static_cast<int>(Utf8Length(utf8)) * fontSize * 64 / 100 + 1;
}

std::string PatternId(const std::string& chartId, std::size_t index) {
  return chartId + "-fill" + Int(static_cast<long long>(index));
}

std::string PatternDefinition(const std::string& id, const Fill& fill) {
  const bool lightMarks = fill.pattern == Pattern::kLightStripes ||
                          fill.pattern == Pattern::kLightDots ||
                          fill.pattern == Pattern::kLightCross;
  const std::string mark = lightMarks ? "fill=\"#fff\" fill-opacity=\"0.6\"" : "fill=\"#1a1a1a\"";
  const std::string open = "<pattern id=\"" + id + "\" patternUnits=\"userSpaceOnUse\" ";
  const std::string ground =
      "<rect width=\"8\" height=\"8\" fill=\"" + std::string(fill.colour) + "\"/>";
  switch (fill.pattern) {
    case Pattern::kSolid:
      return "";
    case Pattern::kLightStripes:
    case Pattern::kDarkStripes:
      return open + "width=\"8\" height=\"8\" patternTransform=\"rotate(45)\">" + ground +
             "<rect width=\"3\" height=\"8\" " + mark + "/></pattern>";
    case Pattern::kDarkDots:
    case Pattern::kLightDots:
      return open + "width=\"6\" height=\"6\">" + ground + "<circle cx=\"3\" cy=\"3\" r=\"1.6\" " +
             mark + "/></pattern>";
    case Pattern::kLightCross:
    case Pattern::kDarkCross:
      return open + "width=\"8\" height=\"8\">" + ground +
             "<rect x=\"3\" width=\"2\" height=\"8\" " + mark +
             "/><rect y=\"3\" width=\"8\" height=\"2\" " + mark + "/></pattern>";
    case Pattern::kDarkLines:
      return open + "width=\"8\" height=\"5\">" + ground + "<rect width=\"8\" height=\"2\" " +
             mark + "/></pattern>";
  }
  return "";
}

std::string FillValue(const std::string& chartId, ChartPalette palette, std::size_t index) {
  const Fill& fill = FillOf(palette, index);
  if (fill.pattern == Pattern::kSolid) return std::string(fill.colour);
  return "url(#" + PatternId(chartId, index) + ")";
}

std::string Open(const std::string& id, const std::string& title, int height, ChartPalette palette,
                 std::size_t fills) {
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + Int(kWidth) + " " +
                    Int(height) + "\" width=\"" + Int(kWidth) + "\" height=\"" + Int(height) +
                    "\" font-size=\"" + Int(kFontSize) + "\" role=\"img\" aria-labelledby=\"" + id +
                    "-title\">\n<title id=\"" + id + "-title\">" + EscapeHtml(title) + "</title>\n";
  std::string definitions;
  for (std::size_t i = 0; i < fills; ++i) {
    definitions += PatternDefinition(PatternId(id, i), FillOf(palette, i));
  }
  if (!definitions.empty()) svg += "<defs>" + definitions + "</defs>\n";
  return svg;
}

std::string Text(int x, int y, std::string_view anchor, const std::string& utf8,
                 const std::string& extra = "") {
  return "<text x=\"" + Int(x) + "\" y=\"" + Int(y) + "\" text-anchor=\"" + std::string(anchor) +
         "\"" + extra + ">" + EscapeHtml(utf8) + "</text>\n";
}

// A filled area with a thin white edge, which keeps neighbours apart, and its
// value as a tooltip.
std::string Rect(int x, int y, int width, int height, const std::string& fill,
                 const std::string& tooltip) {
  return "<rect x=\"" + Int(x) + "\" y=\"" + Int(y) + "\" width=\"" + Int(width) + "\" height=\"" +
         Int(height) + "\" fill=\"" + fill + "\" stroke=\"#fff\" stroke-width=\"1\"><title>" +
         EscapeHtml(tooltip) + "</title></rect>\n";
}

// A count inside a filled area: white on dark fills, black on light ones, on a
// halo of the fill's own colour that keeps it readable on patterns.
std::string LabelOnFill(int x, int y, long long value, const Fill& fill) {
  return Text(x, y, "middle", Int(value),
              std::string(fill.dark ? " fill=\"#fff\"" : " fill=\"#000\"") + " stroke=\"" +
                  std::string(fill.colour) +
                  "\" stroke-width=\"4\" stroke-linejoin=\"round\" paint-order=\"stroke\"");
}

// The legend from the top left corner, wrapped into rows; its height.
int Legend(std::string& svg, const std::string& chartId, ChartPalette palette,
           const std::string& title, const std::vector<ChartSeries>& series) {
  int x = 0;
  int y = 0;
  if (!title.empty()) {
    svg += Text(0, kFontSize, "start", title + ":");
    x = TextWidth(title + ":", kFontSize) + 8;
  }
  svg += "<g class=\"legend\">\n";
  for (std::size_t i = 0; i < series.size(); ++i) {
    const int itemWidth = kSwatch + 5 + TextWidth(series[i].label, kFontSize) + 16;
    if (x > 0 && x + itemWidth > kWidth) {
      x = 0;
      y += kLegendRow;
    }
    svg += "<rect x=\"" + Int(x) + "\" y=\"" + Int(y) + "\" width=\"" + Int(kSwatch) +
           "\" height=\"" + Int(kSwatch) + "\" fill=\"" + FillValue(chartId, palette, i) +
           "\" stroke=\"#000\" stroke-width=\"0.5\"/>\n";
    svg += Text(x + kSwatch + 5, y + kFontSize, "start", series[i].label);
    x += itemWidth;
  }
  svg += "</g>\n";
  return y + kLegendRow;
}

// A step of 1, 2 or 5 times a power of ten that divides 0..maximum into at
// most five parts.
long long TickStep(long long maximum) {
  long long power = 1;
  while (true) {
    for (const long long factor : {1, 2, 5}) {
      if (maximum <= factor * power * 5) return factor * power;
    }
    power *= 10;
  }
}

}  // namespace

std::string StackedColumnSvg(const StackedColumns& chart, ChartPalette palette) {
  const std::size_t count = chart.columns.size();
  std::vector<long long> totals(count, 0);
  for (const ChartSeries& series : chart.series) {
    for (std::size_t i = 0; i < count && i < series.values.size(); ++i) {
      totals[i] += series.values[i];
    }
  }
  const long long highest = count == 0 ? 0 : *std::max_element(totals.begin(), totals.end());
  const long long step = TickStep(std::max(highest, 1LL));
  const long long scaleTop = (std::max(highest, 1LL) + step - 1) / step * step;
  const bool dated = std::any_of(chart.dates.begin(), chart.dates.end(),
                                 [](const std::string& date) { return !date.empty(); });

  std::string body;
  const int legendHeight = Legend(body, chart.id, palette, chart.legendTitle, chart.series);
  const int plotTop = legendHeight + 24;
  const int plotBottom = plotTop + kPlotHeight;
  const int height = plotBottom + 20 + (dated ? 15 : 0);
  const int left = TextWidth(Int(scaleTop), kFontSize) + 10;
  const int plotWidth = kWidth - 4 - left;
  const auto yOf = [&](long long value) {
    return plotBottom - static_cast<int>(kPlotHeight * value / scaleTop);
  };

  body += "<g class=\"grid\" stroke=\"#bbb\" stroke-width=\"1\">\n";
  for (long long value = 0; value <= scaleTop; value += step) {
    body += "<line x1=\"" + Int(left) + "\" x2=\"" + Int(kWidth - 4) + "\" y1=\"" +
            Int(yOf(value)) + "\" y2=\"" + Int(yOf(value)) + "\"/>\n";
  }
  body += "</g>\n<g class=\"ticks\">\n";
  for (long long value = 0; value <= scaleTop; value += step) {
    body += Text(left - 6, yOf(value) + 4, "end", Int(value));
  }
  body += "</g>\n";

  int labelWidth = 0;
  for (const std::string& label : chart.columns) {
    labelWidth = std::max(labelWidth, TextWidth(label, kFontSize) + 8);
  }
  const int slot = count == 0 ? 1 : std::max(plotWidth / static_cast<int>(count), 1);
  const int labelEvery = std::max(1, (labelWidth + slot - 1) / slot);
  std::string previousDate;
  int dateRoomFrom = 0;  // where the next date may start without touching the last
  for (std::size_t i = 0; i < count; ++i) {
    const int x0 = left + static_cast<int>(plotWidth * static_cast<long long>(i) / count);
    const int x1 = left + static_cast<int>(plotWidth * static_cast<long long>(i + 1) / count);
    const int barWidth = std::max(1, std::min((x1 - x0) * 2 / 3, kMaxColumnWidth));
    const int barX = x0 + (x1 - x0 - barWidth) / 2;
    const int middle = x0 + (x1 - x0) / 2;
    long long below = 0;
    body += "<g class=\"column\">\n";
    for (std::size_t s = 0; s < chart.series.size(); ++s) {
      const long long value = i < chart.series[s].values.size() ? chart.series[s].values[i] : 0;
      if (value <= 0) continue;
      const int top = yOf(below + value);
      body += Rect(barX, top, barWidth, yOf(below) - top, FillValue(chart.id, palette, s),
                   chart.columns[i] + ", " + chart.series[s].label + ": " + Int(value));
      below += value;
    }
    if (TextWidth(Int(totals[i]), kFontSize) + 2 <= x1 - x0) {
      body += Text(middle, yOf(totals[i]) - 5, "middle", Int(totals[i]), " class=\"total\"");
    }
    if (i % labelEvery == 0) body += Text(middle, plotBottom + 15, "middle", chart.columns[i]);
    const std::string date = i < chart.dates.size() ? chart.dates[i] : "";
    if (!date.empty() && date != previousDate) {
      // A new day: a dashed line before its first column, the date beside it.
      if (i > 0) {
        body += "<line x1=\"" + Int(x0) + "\" x2=\"" + Int(x0) + "\" y1=\"" + Int(plotTop) +
                "\" y2=\"" + Int(plotBottom + 32) +
                "\" stroke=\"#666\" stroke-dasharray=\"3 3\"/>\n";
      }
      const int dateWidth = TextWidth(date, kFontSize);
      const int x = std::min(x0 + 3, kWidth - dateWidth);
      if (x >= dateRoomFrom) {
        body += Text(x, plotBottom + 30, "start", date);
        dateRoomFrom = x + dateWidth + 8;
      }
    }
    previousDate = date;
    body += "</g>\n";
  }
  body += "<line x1=\"" + Int(left) + "\" x2=\"" + Int(kWidth - 4) + "\" y1=\"" + Int(plotBottom) +
          "\" y2=\"" + Int(plotBottom) + "\" stroke=\"#000\"/>\n";
  return Open(chart.id, chart.title, height, palette, chart.series.size()) + body + "</svg>\n";
}

std::string ShareBarSvg(const ShareBars& chart, ChartPalette palette) {
  std::string body;
  const int legendHeight = Legend(body, chart.id, palette, "", chart.series);
  int labelWidth = 0;
  for (const std::string& row : chart.rows) {
    labelWidth = std::max(labelWidth, TextWidth(row, kFontSize));
  }
  const int barLeft = std::clamp(labelWidth, 32, 200) + 10;
  const int barWidth = kWidth - 4 - barLeft;

  int y = legendHeight + 6;
  for (std::size_t r = 0; r < chart.rows.size(); ++r) {
    const bool total = chart.lastRowIsTotal && r + 1 == chart.rows.size();
    if (total) {
      body += "<line x1=\"0\" x2=\"" + Int(kWidth) + "\" y1=\"" + Int(y) + "\" y2=\"" + Int(y) +
              "\" stroke=\"#888\"/>\n";
      y += 6;
    }
    const std::string weight = total ? " font-weight=\"bold\"" : "";
    body += "<g class=\"bar\">\n" +
            Text(barLeft - 8, y + kBarHeight / 2 + 4, "end", chart.rows[r], weight);
    long long sum = 0;
    for (const ChartSeries& series : chart.series) {
      sum += r < series.values.size() ? std::max(series.values[r], 0LL) : 0;
    }
    long long before = 0;
    for (std::size_t s = 0; s < chart.series.size() && sum > 0; ++s) {
      const long long value = r < chart.series[s].values.size() ? chart.series[s].values[r] : 0;
      if (value <= 0) continue;
      const int x0 = barLeft + static_cast<int>(barWidth * before / sum);
      const int x1 = barLeft + static_cast<int>(barWidth * (before + value) / sum);
      body += Rect(x0, y, x1 - x0, kBarHeight, FillValue(chart.id, palette, s),
                   chart.rows[r] + ", " + chart.series[s].label + ": " + Int(value));
      if (TextWidth(Int(value), kFontSize) + 6 <= x1 - x0) {
        body += LabelOnFill((x0 + x1) / 2, y + kBarHeight / 2 + 4, value, FillOf(palette, s));
      }
      before += value;
    }
    if (sum == 0) {
      body += "<rect x=\"" + Int(barLeft) + "\" y=\"" + Int(y) + "\" width=\"" + Int(barWidth) +
              "\" height=\"" + Int(kBarHeight) + "\" fill=\"none\" stroke=\"#888\"/>\n";
    }
    body += "</g>\n";
    y += kBarHeight + kBarGap;
  }
  return Open(chart.id, chart.title, y, palette, chart.series.size()) + body + "</svg>\n";
}

}  // namespace host
