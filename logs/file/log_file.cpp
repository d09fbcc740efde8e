#include "logs/file/log_file.h"

#include "logs/text/ascii.h"

namespace logs {

LoggedQso LoggedQsoOf(const HostQso& qso, std::uint32_t line, bool toTheMinute,
                      std::string_view modeAsLogged) {
  LoggedQso logged;
  logged.line = line;
  logged.toTheMinute = toTheMinute;
  logged.call = UpperCopy(Trimmed(qso.call));
  logged.band = qso.band;
  logged.mode = modeAsLogged;
  logged.contestMode = stats::FindContestMode(qso.mode);
  logged.time = SecondsSinceOleEpoch(qso.date, qso.secondOfDay);
  logged.sent = UpperCopy(Trimmed(qso.exchangeSent));
  logged.received = UpperCopy(Trimmed(qso.exchangeReceived));
  return logged;
}

}  // namespace logs
