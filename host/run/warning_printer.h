#pragma once

// The warnings about a log on standard error. A warning that comes thousands
// of times (a comment line between every two records, the same repair of
// every FREQ) is shown kShownOfAKind times and then counted: "… and 2 367
// more like it".

#include <cstddef>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/adif/log_warning.h"

namespace host {

inline constexpr std::size_t kShownOfAKind = 10;

// 2367 as "2 367".
std::string GroupedDigits(std::size_t number);

class WarningPrinter {
 public:
  WarningPrinter(std::ostream& err, std::string logName)
      : err_(err), logName_(std::move(logName)) {}

  void Print(const LogWarning& warning);

  // How many more of each kind there were than were shown.
  void PrintCounts();

 private:
  struct Kind {
    std::size_t count = 0;
    std::string last;  // the last one shown
  };

  std::ostream& err_;
  std::string logName_;
  std::unordered_map<std::string, std::size_t> kindIndex_;
  std::vector<Kind> kinds_;  // in the order first seen
};

}  // namespace host
