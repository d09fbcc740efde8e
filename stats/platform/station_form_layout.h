#pragma once

// The entries of the station dialog's category box, in their order.

#include <array>
#include <string_view>

namespace stats {

inline constexpr std::array<std::string_view, 7> kCategoryChoices{
    "SOAB-CW-LP",      "SOAB-CW-HP",      "SOAB - SSB - LP", "SOAB - SSB - HP",
    "SOAB - MIX - LP", "SOAB - MIX - HP", "MOAB - MIX",
};

}  // namespace stats
