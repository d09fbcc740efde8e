#pragma once

// What was repaired while a log was read, one line per kind of repair: the
// first line it happened on and how many more, so that a log with the same
// slip on every QSO line gets one line in its report, not hundreds.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace logs {

class RepairList {
 public:
  // `where` names the place ("line 12", "record 3"); the same `what` again
  // only counts.
  void Add(std::string where, std::string what);

  // "line 12: what", or "line 12 and 40 more: what", in the order first seen;
  // past kMaxKinds kinds, one line counts the rest.
  std::vector<std::string> Lines() const;

  static constexpr std::size_t kMaxKinds = 100;

 private:
  struct Kind {
    std::string what;
    std::string firstWhere;
    std::size_t more = 0;
  };
  std::vector<Kind> kinds_;
  std::size_t otherKinds_ = 0;
};

}  // namespace logs
