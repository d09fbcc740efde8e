#include "pages/svg_draw.h"

#include <algorithm>
#include <iterator>

#include "logs/text/text_encoding.h"
#include "pages/html_text.h"

namespace pages {
namespace {

struct BandFillEntry {
  std::string_view band;
  Fill fill;
};

// The contest bands first: 160, 80 and 40 m keep the fills their pages have
// always had. Solid greys: 71 (160 m), 182 (80 m), 140 (17 m); the others
// differ in texture as well.
constexpr BandFillEntry kBandFills[] = {
    {"160", {"#1f4e8c", Pattern::kSolid, true}},
    {"80", {"#f2b134", Pattern::kSolid, false}},
    {"40", {"#c0504d", Pattern::kLightStripes, true}},
    {"20", {"#9ecae1", Pattern::kDarkDots, false}},
    {"15", {"#54278f", Pattern::kLightCross, true}},
    {"10", {"#6aa84f", Pattern::kDarkLines, false}},
    {"30", {"#7f4f24", Pattern::kLightDots, true}},
    {"17", {"#8c8c8c", Pattern::kSolid, false}},
    {"12", {"#ffffff", Pattern::kDarkCross, false}},
    {"6", {"#f7f7f7", Pattern::kDarkStripes, false}},
    {"60", {"#2b8c8c", Pattern::kLightStripes, true}},
    {"2", {"#e8a0c0", Pattern::kDarkDots, false}},
};

constexpr Fill kSpareFills[] = {
    {"#404040", Pattern::kLightDots, true},
    {"#d0d0d0", Pattern::kDarkLines, false},
    {"#a05a2c", Pattern::kLightCross, true},
    {"#bcd88b", Pattern::kDarkStripes, false},
};

std::string Int(long long value) { return std::to_string(value); }

std::string PatternMarkup(const std::string& id, const Fill& fill) {
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

}  // namespace

Fill BandFill(std::string_view hostBand) {
  for (const BandFillEntry& entry : kBandFills) {
    if (entry.band == hostBand) return entry.fill;
  }
  unsigned sum = 0;  // the same name gets the same spare fill on every build
  for (const char c : hostBand) sum = sum * 31 + static_cast<unsigned char>(c);
  return kSpareFills[sum % std::size(kSpareFills)];
}

namespace svg {

int TextWidth(std::string_view utf8, int fontSize) {
  return static_cast<int>(logs::Utf8Length(utf8)) * fontSize * 64 / 100 + 1;
}

long long TickStep(long long maximum, int parts) {
  long long power = 1;
  while (true) {
    for (const long long factor : {1, 2, 5}) {
      if (maximum <= factor * power * parts) return factor * power;
    }
    power *= 10;
  }
}

}  // namespace svg

SvgCanvas::SvgCanvas(std::string id, std::string title, int width)
    : id_(std::move(id)), title_(std::move(title)), width_(width) {}

std::string SvgCanvas::Paint(const Fill& fill) {
  if (fill.pattern == Pattern::kSolid) return std::string(fill.colour);
  auto found = std::find(patterns_.begin(), patterns_.end(), fill);
  if (found == patterns_.end()) {
    patterns_.push_back(fill);
    found = patterns_.end() - 1;
    definitions_ += PatternMarkup(id_ + "-fill" + Int(found - patterns_.begin()), fill);
  }
  return "url(#" + id_ + "-fill" + Int(found - patterns_.begin()) + ")";
}

void SvgCanvas::Rect(int x, int y, int width, int height, const std::string& paint,
                     const std::string& tooltip) {
  body_ += "<rect x=\"" + Int(x) + "\" y=\"" + Int(y) + "\" width=\"" + Int(width) +
           "\" height=\"" + Int(height) + "\" fill=\"" + paint + "\" stroke=\"#fff\"";
  if (tooltip.empty()) {
    body_ += "/>\n";
  } else {
    body_ += "><title>" + EscapeHtml(tooltip) + "</title></rect>\n";
  }
}

void SvgCanvas::Text(int x, int y, std::string_view anchor, std::string_view utf8,
                     std::string_view attributes) {
  body_ += "<text x=\"" + Int(x) + "\" y=\"" + Int(y) + "\"";
  if (anchor != "start") body_ += " text-anchor=\"" + std::string(anchor) + "\"";
  // Every text has its own fill, which a forced dark mode recolours with the rest.
  if (attributes.find("fill=") == std::string_view::npos) body_ += " fill=\"#111\"";
  body_ += std::string(attributes) + ">" + EscapeHtml(utf8) + "</text>\n";
}

void SvgCanvas::LabelOnFill(int x, int y, const std::string& label, const Fill& fill) {
  Text(x, y, "middle", label,
       std::string(fill.dark ? " fill=\"#fff\"" : " fill=\"#000\"") + " stroke=\"" +
           std::string(fill.colour) +
           "\" stroke-width=\"4\" stroke-linejoin=\"round\" paint-order=\"stroke\"");
}

void SvgCanvas::Line(int x1, int y1, int x2, int y2, std::string_view attributes) {
  body_ += "<line x1=\"" + Int(x1) + "\" y1=\"" + Int(y1) + "\" x2=\"" + Int(x2) + "\" y2=\"" +
           Int(y2) + "\" " + std::string(attributes) + "/>\n";
}

int SvgCanvas::Legend(int top, std::string_view title, const std::vector<LegendEntry>& entries) {
  constexpr int kSwatch = 14;
  constexpr int kRow = 20;
  int x = 0;
  int y = top;
  if (!title.empty()) {
    const std::string heading = std::string(title) + ":";
    Text(0, y + svg::kFontSize, "start", heading);
    x = svg::TextWidth(heading) + 8;
  }
  body_ += "<g class=\"legend\">\n";
  for (const LegendEntry& entry : entries) {
    const int itemWidth = kSwatch + 5 + svg::TextWidth(entry.label) + 16;
    if (x > 0 && x + itemWidth > width_) {
      x = 0;
      y += kRow;
    }
    body_ += "<rect x=\"" + Int(x) + "\" y=\"" + Int(y) + "\" width=\"" + Int(kSwatch) +
             "\" height=\"" + Int(kSwatch) + "\" fill=\"" + Paint(entry.fill) +
             "\" stroke=\"#000\" stroke-width=\"0.5\"/>\n";
    Text(x + kSwatch + 5, y + svg::kFontSize, "start", entry.label);
    x += itemWidth;
  }
  body_ += "</g>\n";
  return y + kRow;
}

std::string SvgCanvas::Finish(int height) const {
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"" + id_ + "\" viewBox=\"0 0 " +
                    Int(width_) + " " + Int(height) + "\" width=\"" + Int(width_) + "\" height=\"" +
                    Int(height) + "\" font-size=\"" + Int(svg::kFontSize) +
                    "\" role=\"img\" aria-labelledby=\"" + id_ + "-title\">\n<title id=\"" + id_ +
                    "-title\">" + EscapeHtml(title_) + "</title>\n";
  if (!definitions_.empty()) svg += "<defs>" + definitions_ + "</defs>\n";
  return svg + body_ + "</svg>\n";
}

}  // namespace pages
