#include "pages/spark_bars.h"

#include <algorithm>

#include "pages/html_text.h"

namespace pages {
namespace {

constexpr int kBarWidth = 6;
constexpr int kBarStep = 8;
constexpr int kHeight = 16;

std::string Int(long long value) { return std::to_string(value); }

}  // namespace

std::string SparkBarSvg(const std::vector<int>& values, long long highest,
                        const std::string& title) {
  const int width = static_cast<int>(values.size()) * kBarStep;
  std::string svg = "<svg class=\"spark\" viewBox=\"0 0 " + Int(width) + " " + Int(kHeight) +
                    "\" width=\"" + Int(width) + "\" height=\"" + Int(kHeight) +
                    "\" role=\"img\"><title>" + EscapeHtml(title) + "</title>";
  for (std::size_t i = 0; i < values.size(); ++i) {
    const long long value = std::clamp<long long>(values[i], 0, std::max(highest, 1LL));
    // At least a pixel for any QSO, so that a slow ten minutes still shows.
    const int height =
        value == 0 ? 0 : std::max(1, static_cast<int>(kHeight * value / std::max(highest, 1LL)));
    svg += "<rect x=\"" + Int(static_cast<long long>(i) * kBarStep) + "\" y=\"" +
           Int(kHeight - height) + "\" width=\"" + Int(kBarWidth) + "\" height=\"" + Int(height) +
           "\"/>";
  }
  return svg + "<line x1=\"0\" y1=\"16\" x2=\"" + Int(width) +
         "\" y2=\"16\" stroke=\"#888\"/></svg>";
}

}  // namespace pages
