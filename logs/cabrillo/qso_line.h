#pragma once

// One Cabrillo QSO line, after its "QSO:" tag:
//   freq mo date time own-call rst exch call rst exch [t]
// in the fixed columns of Cabrillo 3.0 or in loose ones (one or more blanks).
// The frequency is in kHz, or a band designator (50, 144, 1.2G, ...).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "logs/qso/host_qso.h"

namespace logs {

struct QsoLineReading {
  HostQso qso;                         // texts as the line has them; the mode in the host's name
  std::string cabrilloMode;            // the mode column in capitals (SSB, USB and LSB as PH)
  bool toTheMinute = true;             // the time was given without seconds
  std::vector<std::string> repairs;    // generic texts, one per kind
  std::optional<std::string> refusal;  // why the line can not be a QSO
};

// `line` is the whole line as in the file, without its line end; `number` is
// its place in the file.
QsoLineReading ReadQsoLine(std::string_view line, std::uint32_t number);

}  // namespace logs
