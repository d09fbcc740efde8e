#pragma once

// The portable build's stand-in for the station-details dialog: a text form on
// the terminal.

#include <istream>
#include <ostream>

#include "stats/platform/platform.h"

namespace stats {

// Shows each field with its preset and reads the operator's answer: Enter
// keeps the preset, a lone "-" empties the field. ADDRESS and SOAPBOX take
// lines until an empty one (an empty first line keeps the preset). Then asks
// to confirm. Returns true with the answers in `form` on confirmation; on
// refusal or the end of the input returns false and leaves `form` unchanged.
bool PromptStationDetails(StationDetailsForm& form, std::istream& in, std::ostream& out);

// The form on the terminal (read from standard input, shown on standard
// error) when both are one. When standard input is not a terminal it holds
// scripted answers, read as typed without showing the questions: empty lines
// keep every value and confirm. The end of the input before the last answer,
// like a terminal input whose questions nobody sees, counts as CANCEL.
bool EditStationDetailsOnConsole(StationDetailsForm& form);

}  // namespace stats
