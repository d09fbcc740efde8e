#include "stats/rules/exchange.h"

#include "stats/rules/kvant.h"

namespace stats {

bool IsValidExchange(std::string_view exchange) noexcept {
  if (exchange == "599" || exchange.size() < 3 || exchange.size() > 4) return false;
  for (const char c : exchange) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

bool IsValidReceivedExchange(std::string_view exchangeReceived) noexcept {
  if (IsKvantExchange(exchangeReceived)) exchangeReceived.remove_prefix(1);
  return IsValidExchange(exchangeReceived);
}

}  // namespace stats
