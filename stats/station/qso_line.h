#pragma once

// One "QSO:" line of the Cabrillo log. The columns are those of
// "QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n": widths are minimums,
// nothing is ever cut.

#include <cstdint>
#include <string>
#include <string_view>

#include "stats/ole_date.h"

namespace stats {

struct CabrilloQso {
  std::uint32_t frequencyKhz = 0;
  std::string_view modeCode;
  OleDateTime qsoTime;
  std::string_view rstSent;
  std::string_view exchangeSent;
  std::string_view call;
  std::string_view rstReceived;
  std::string_view exchangeReceived;
};

// The line, with its CR LF; `senderCall` fills the fourth column.
std::string FormatQsoLine(std::string_view senderCall, const CabrilloQso& qso);

}  // namespace stats
