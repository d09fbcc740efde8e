#pragma once

// Which QSOs the plug-in's tour check would have warned about while they were
// being logged. The real check (CheckCall0) compares the stored QSOs with the
// computer's present UTC hour, so replaying an old log through it would measure
// against the wrong clock. This applies the same rule with the QSO's own time
// as the present: a QSO is a repeat when a QSO stored before it (accepted by
// AddData0, earlier in the log) has the same call, band and mode, compared
// exactly, and the same hour of the day. The date is not compared, as in the
// plug-in.

#include <cstddef>
#include <vector>

#include "host/qso_mapping.h"

namespace host {

struct TourRepeat {
  std::size_t index = 0;    // the repeating QSO, an index into the QSO list
  std::size_t earlier = 0;  // the first stored QSO it repeats
};

// `accepted[i]` tells whether the plug-in stored qsos[i]; both lists have the same length.
std::vector<TourRepeat> FindTourRepeats(const std::vector<HostQso>& qsos,
                                        const std::vector<bool>& accepted);

}  // namespace host
