#pragma once

// One QSO: as the host hands it over (AddData0, RemoveData0) and as the store
// keeps it. Every text is an owned copy of the host's; none is ever null.

#include <cstdint>
#include <string>

#include "stats/ole_date.h"

namespace stats {

struct Qso {
  std::string ownCall;
  std::string call;
  OleDateTime qsoTime;
  std::uint32_t frequencyHz = 0;
  std::string mode;
  std::string rstSent;
  std::string rstReceived;
  std::string exchangeSent;
  std::string exchangeReceived;
  std::string band;

  // The frequency as the problem log and the Cabrillo log show it: whole
  // kilohertz, the rest dropped.
  std::uint32_t FrequencyKhz() const noexcept { return frequencyHz / 1000u; }
};

}  // namespace stats
