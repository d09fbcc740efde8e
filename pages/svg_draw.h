#pragma once

// Drawing the inline SVG pictures of our pages. Coordinates are whole pixels,
// so that every build writes the same bytes. Fills differ in lightness and
// pattern, so that they stay apart in greyscale print, and a band has the same
// fill in every picture of every page: two operators' pages compare at a
// glance.

#include <string>
#include <string_view>
#include <vector>

namespace pages {

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

  bool operator==(const Fill&) const = default;
};

// The fill of a band by the host's name for it ("40", "70cm"). Bands outside
// the table get one of the spare fills, chosen by their name.
Fill BandFill(std::string_view hostBand);

// CW, SSB and digital modes, in that order: dark, light, mid with stripes.
inline constexpr Fill kModeFills[] = {
    {"#2e6b4f", Pattern::kSolid, true},
    {"#f4d58d", Pattern::kSolid, false},
    {"#8e5ba6", Pattern::kLightStripes, true},
};

// A chart's only series when it stands for no band and no mode.
inline constexpr Fill kPlainFill = {"#4a6d8c", Pattern::kSolid, true};

namespace svg {

inline constexpr int kFontSize = 12;

// Width in pixels of a text at `fontSize` in DejaVu Sans, the widest of the
// fonts the pages name (its digits are 0.64 em), rounded up.
int TextWidth(std::string_view utf8, int fontSize = kFontSize);

// A step of 1, 2 or 5 times a power of ten that divides 0..maximum into at
// most `parts` parts.
long long TickStep(long long maximum, int parts = 5);

}  // namespace svg

// One picture, drawn element by element and closed by Finish.
class SvgCanvas {
 public:
  // `id` is unique in the page and prefixes the ids of the picture's
  // patterns; `title` is what a screen reader says.
  SvgCanvas(std::string id, std::string title, int width);

  int Width() const { return width_; }

  // What to paint `fill` with: its colour, or its pattern, defined in the
  // picture the first time it is asked for.
  std::string Paint(const Fill& fill);

  // A filled area with a thin white edge that keeps neighbours apart, and its
  // value as a tooltip when there is one.
  void Rect(int x, int y, int width, int height, const std::string& paint,
            const std::string& tooltip = "");
  // UTF-8 text, escaped here; `attributes` are added to the element as they are.
  void Text(int x, int y, std::string_view anchor, std::string_view utf8,
            std::string_view attributes = "");
  // A count on a fill: white on dark fills, black on light ones, on a halo of
  // the fill's own colour that keeps it readable on patterns.
  void LabelOnFill(int x, int y, const std::string& label, const Fill& fill);
  void Line(int x1, int y1, int x2, int y2, std::string_view attributes);
  // Markup written as it is.
  void Raw(std::string_view markup) { body_ += markup; }

  // The legend from (0, top), wrapped into rows: a swatch and a label per
  // entry after the `title` (none when empty). Returns the legend's bottom.
  struct LegendEntry {
    std::string label;
    Fill fill;
  };
  int Legend(int top, std::string_view title, const std::vector<LegendEntry>& entries);

  // The whole picture, `height` pixels high.
  std::string Finish(int height) const;

 private:
  std::string id_;
  std::string title_;
  int width_;
  std::vector<Fill> patterns_;  // defined so far, in the order of their ids
  std::string definitions_;
  std::string body_;
};

}  // namespace pages
