#include "stats/rules/kvant.h"

#include "stats/rules/modes.h"

namespace stats {

KvantColumn KvantColumnOf(std::string_view mode) noexcept {
  return ColumnOfMode(mode) == ModeColumn::kCw ? KvantColumn::kCw : KvantColumn::kOtherModes;
}

}  // namespace stats
