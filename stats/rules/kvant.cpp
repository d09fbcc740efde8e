#include "stats/rules/kvant.h"

#include "stats/rules/modes.h"

namespace stats {

KvantColumn KvantColumnOf(std::string_view mode) noexcept {
  return ColumnOfMode(mode) == ModeColumn::kCw ? KvantColumn::kCw : KvantColumn::kOtherModes;
}

void BandKvant::Add(std::string_view call, std::string_view mode,
                    std::string_view exchangeReceived) {
  if (call.empty() || !IsKvantExchange(exchangeReceived)) return;
  TextMap<std::int32_t>& column = Column(mode);
  const auto found = column.find(call);
  if (found == column.end()) {
    column.emplace(call, 1);
  } else {
    ++found->second;
  }
}

void BandKvant::Remove(std::string_view call, std::string_view mode,
                       std::string_view exchangeReceived) {
  if (call.empty() || !IsKvantExchange(exchangeReceived)) return;
  TextMap<std::int32_t>& column = Column(mode);
  const auto found = column.find(call);
  if (found != column.end() && --found->second == 0) column.erase(found);
}

}  // namespace stats
