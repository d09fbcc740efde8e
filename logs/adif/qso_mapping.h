#pragma once

// An ADIF record as the QSO the host hands to the plug-in, with the fields
// that the plug-in reads turned into the host's forms: the own call from --call,
// else STATION_CALLSIGN, else OPERATOR; the frequency from FREQ, else the
// lower edge of BAND; the exchanges from STX_STRING, else STX, and SRX_STRING,
// else SRX.

#include <optional>
#include <string>

#include "logs/adif/adif_reader.h"
#include "logs/adif/log_warning.h"
#include "logs/qso/host_qso.h"

namespace logs {

// Maps the record into `qso`, whose texts are reused. Every text handed over
// loses the blanks and line breaks at its ends, with a warning; TIME_OFF
// stands in for a missing TIME_ON, with a warning. Returns why the record can
// not be a QSO: no CALL, no valid QSO_DATE or time, a moment after the last
// one the plug-in can write, no band (see ChooseFrequency), a control byte
// (CR, LF, NUL, ...) inside a text handed to the plug-in, or a field it reads
// that was too large to keep; nothing when it is one. What was repaired goes
// to `warn`. `ownCall`, when given, replaces the record's own call.
std::optional<std::string> MapRecord(const AdifRecord& record,
                                     const std::optional<std::string>& ownCall, HostQso& qso,
                                     const WarningSink& warn);

}  // namespace logs
