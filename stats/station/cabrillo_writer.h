#pragma once

// The Cabrillo 2.0 log: the fixed header with the station details, the
// operator's include file unchanged, one "QSO:" line per stored QSO and the
// closing line. Each write replaces the whole file.

#include <cstdint>
#include <string>
#include <string_view>

#include "stats/platform/platform.h"
#include "stats/store.h"

namespace stats {

// One "QSO:" line with its CR LF, laid out as stats/public/cabrillo_layout.h
// says. `senderCall` fills the fourth column; a mode the contest does not know
// has the code "??".
std::string FormatQsoLine(std::string_view senderCall, const Qso& qso);

// Reads the include file, creating it empty when it is missing, and replaces
// the file at `path` with the log through `platform`: the header from `details`
// (multi-line ones in edit form, each line tagged in the log) and
// `claimedScore`, then a "QSO:" line for each of `qsos` with the details' call
// sign as the sender's. Returns whether the file now holds the log.
bool WriteCabrilloLog(Platform& platform, const std::string& path,
                      const StationDetailsForm& details, std::int32_t claimedScore,
                      const QsoStore::Records& qsos);

}  // namespace stats
