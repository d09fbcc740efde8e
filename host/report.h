#pragma once

// The parts of stats-host's report beside the plug-in's summary table.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/qso_mapping.h"
#include "host/tour_repeats.h"

namespace host {

// The lines of a problem log after its banner line, without their line ends.
std::vector<std::string> ProblemLines(std::string_view problemLog);

struct RefusedQso {
  std::size_t record = 0;                  // the ADIF record
  std::string call;                        // as the log has it
  std::optional<std::string> problemLine;  // its line of the problem log, when there is one
};

// The QSOs the plug-in refused, each with its line of the problem log (refused
// QSOs and problem lines correspond in order).
std::vector<RefusedQso> RefusedQsos(const std::vector<HostQso>& qsos,
                                    const std::vector<bool>& accepted,
                                    const std::vector<std::string>& problemLines);

// The refused QSOs, each with its ADIF record and its line of the problem log.
std::string FormatRefused(const std::vector<HostQso>& qsos, const std::vector<bool>& accepted,
                          const std::vector<std::string>& problemLines);

std::string FormatRepeats(const std::vector<HostQso>& qsos, const std::vector<TourRepeat>& repeats);

// The name the plug-in gives the Cabrillo log for the own call: "/" and "\"
// become "_", blanks around are dropped, and an empty name becomes ZORVA.
std::string CabrilloFileName(std::string_view ownCall);

}  // namespace host
