#pragma once

// The exchange the operator enters: a serial number of 3 or 4 decimal digits.
// "599" is refused, being a report rather than a number.

#include <string_view>

namespace stats {

bool IsValidExchange(std::string_view exchange) noexcept;

}  // namespace stats
