#pragma once

// The contest's entry categories, as the station dialog offers them and the
// Cabrillo log's CATEGORY gives them, and the one that a category written
// another way stands for.

#include <array>
#include <optional>
#include <string_view>

namespace stats {

inline constexpr std::array<std::string_view, 7> kEntryCategories{
    "SOAB-CW-LP",      "SOAB-CW-HP",      "SOAB - SSB - LP", "SOAB - SSB - HP",
    "SOAB - MIX - LP", "SOAB - MIX - HP", "MOAB - MIX",
};

// The entry category that a written category stands for, whatever its form:
// one of kEntryCategories itself, a Cabrillo 2.0 CATEGORY ("SOAB-MIXED-LP",
// "SINGLE-OP ALL LOW CW") or Cabrillo 3.0's CATEGORY-OPERATOR, -BAND, -MODE
// and -POWER values joined by blanks ("SINGLE-OP ALL MIXED LOW"), in any
// letters. Nothing when it is unclear: no operator class, a single-operator
// entry without its mode or power, a single band, another mode, two values
// of one kind, or a word the contest's categories do not use.
std::optional<std::string_view> EntryCategoryOf(std::string_view written) noexcept;

}  // namespace stats
