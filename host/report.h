#pragma once

// The parts of stats-host's report beside the plug-in's summary table.

#include <string>
#include <string_view>
#include <vector>

#include "host/qso_mapping.h"
#include "host/tour_repeats.h"

namespace host {

// The lines of a problem log after its banner line, without their line ends.
std::vector<std::string> ProblemLines(std::string_view problemLog);

// The refused QSOs, each with its ADIF record and its line of the problem log
// (refused QSOs and problem lines correspond in order).
std::string FormatRefused(const std::vector<HostQso>& qsos, const std::vector<bool>& accepted,
                          const std::vector<std::string>& problemLines);

std::string FormatRepeats(const std::vector<HostQso>& qsos, const std::vector<TourRepeat>& repeats);

// The name the plug-in gives the Cabrillo log for the own call: "/" and "\"
// become "_", blanks around are dropped, and an empty name becomes ZORVA.
std::string CabrilloFileName(std::string_view ownCall);

}  // namespace host
