#include "logs/file/repair_list.h"

#include <algorithm>

namespace logs {

void RepairList::Add(std::string where, std::string what) {
  const auto known = std::find_if(kinds_.begin(), kinds_.end(),
                                  [&](const Kind& kind) { return kind.what == what; });
  if (known != kinds_.end()) {
    ++known->more;
  } else if (kinds_.size() == kMaxKinds) {
    ++otherKinds_;
  } else {
    kinds_.push_back(Kind{std::move(what), std::move(where), 0});
  }
}

std::vector<std::string> RepairList::Lines() const {
  std::vector<std::string> lines;
  for (const Kind& kind : kinds_) {
    std::string line = kind.firstWhere;
    if (kind.more > 0) line += " and " + std::to_string(kind.more) + " more";
    lines.push_back(line + ": " + kind.what);
  }
  if (otherKinds_ > 0) lines.push_back(std::to_string(otherKinds_) + " repairs of other kinds");
  return lines;
}

}  // namespace logs
