#pragma once

// ADIF records as the QSOs the host hands to the plug-in, with the fields that
// the plug-in reads turned into the host's forms.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/adif_reader.h"
#include "host/ole_date.h"

namespace host {

struct HostQso {
  std::size_t record = 0;  // the ADIF record it came from
  std::string ownCall;     // --call, else STATION_CALLSIGN, else OPERATOR
  std::string call;
  QsoDate date;
  int secondOfDay = 0;
  std::uint32_t frequencyHz = 0;  // 0 when the record has no FREQ
  std::string mode;
  std::string rstSent;
  std::string rstReceived;
  std::string exchangeSent;      // STX_STRING, else STX
  std::string exchangeReceived;  // SRX_STRING, else SRX
  std::string band;
};

struct SkippedRecord {
  std::size_t record = 0;
  std::size_t offset = 0;
  std::string reason;
};

struct MappedLog {
  std::vector<HostQso> qsos;
  std::vector<SkippedRecord> skipped;  // records without CALL, date or time, or unusable
};

// Maps every record. A record is skipped, with the reason, when it has no CALL,
// no valid QSO_DATE or TIME_ON, a FREQ that is not a frequency, or neither a
// BAND nor a FREQ inside an amateur band. `ownCall`, when given, replaces the
// record's own call.
MappedLog MapRecords(const AdifLog& log, const std::optional<std::string>& ownCall);

}  // namespace host
