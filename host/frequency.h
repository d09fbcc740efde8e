#pragma once

// The ADIF frequency (a decimal number of megahertz) as the host's whole hertz.

#include <cstdint>
#include <optional>
#include <string_view>

namespace host {

// "14" gives 14000000 and "3.550999" gives 3550999, by decimal arithmetic
// without floating point. Digits after the sixth decimal (fractions of a hertz)
// are dropped. Nothing for a text that is not an unsigned decimal number
// ("7.", ".5" and surrounding blanks are accepted) or a frequency above
// 4294.967295 MHz, the most the host's unsigned 32-bit hertz can hold.
std::optional<std::uint32_t> ParseFrequencyHz(std::string_view megahertz);

}  // namespace host
