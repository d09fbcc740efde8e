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

#include "logs/adif/log_warning.h"
#include "stats-host/run/run_texts.h"

namespace stats_host {

inline constexpr std::size_t kShownOfAKind = 10;

class WarningPrinter {
 public:
  // In the words of `texts`, which must outlive the printer.
  WarningPrinter(std::ostream& err, std::string logName, const RunTexts& texts)
      : err_(err), logName_(std::move(logName)), texts_(texts) {}

  void Print(const logs::LogWarning& warning);

  // How many more of each kind there were than were shown.
  void PrintCounts();

 private:
  struct Kind {
    std::size_t count = 0;
    std::string last;  // the last one shown
  };

  std::ostream& err_;
  std::string logName_;
  const RunTexts& texts_;
  std::unordered_map<std::string, std::size_t> kindIndex_;
  std::vector<Kind> kinds_;  // in the order first seen
};

}  // namespace stats_host
