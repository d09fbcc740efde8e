#pragma once

// Small bars for a table cell as inline SVG: one per value, all on the scale
// from zero to `highest`, with no text in them; the title gives the values.

#include <string>
#include <vector>

namespace pages {

std::string SparkBarSvg(const std::vector<int>& values, long long highest,
                        const std::string& title);

}  // namespace pages
