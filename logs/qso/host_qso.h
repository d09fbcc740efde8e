#pragma once

// A QSO of a log as the host hands it to the plug-in, whichever format the log
// has: the fields the plug-in reads, in the host's forms (the host's band and
// mode names, the frequency in hertz), with the texts as the log has them.

#include <cstddef>
#include <cstdint>
#include <string>

#include "logs/time/qso_date.h"

namespace logs {

struct HostQso {
  std::size_t record = 0;    // the ADIF record, or the Cabrillo line, it came from
  std::uint64_t offset = 0;  // the record's byte offset (ADIF)
  std::string ownCall;       // the sender's call
  std::string call;
  QsoDate date;
  int secondOfDay = 0;
  std::uint32_t frequencyHz = 0;
  std::string mode;
  std::string rstSent;
  std::string rstReceived;
  std::string exchangeSent;
  std::string exchangeReceived;
  std::string band;
};

}  // namespace logs
