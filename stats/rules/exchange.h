#pragma once

// The exchange: a QSO counts only with both exchanges, the one sent and the
// one received. The operator enters a serial number of 3 or 4 decimal digits;
// "599" is refused, being a report rather than a number.

#include <string_view>

namespace stats {

constexpr bool HasBothExchanges(std::string_view sent, std::string_view received) noexcept {
  return !sent.empty() && !received.empty();
}

// Whether the operator's entry is a valid exchange.
bool IsValidExchange(std::string_view exchange) noexcept;

// Whether an exchange received in a QSO holds a valid number: a marked
// station's number follows its Kvant mark (kvant.h), everyone else's stands
// alone.
bool IsValidReceivedExchange(std::string_view exchangeReceived) noexcept;

}  // namespace stats
