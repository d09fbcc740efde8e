#include "stats/station/station_log.h"

namespace stats {

// The dialog, the settings and the Cabrillo writer come with the station-details work.
void StationLog::EditStationDetails(Platform&, std::string_view) {}

void StationLog::AddQsoLine(std::string_view, std::uint32_t, std::string_view, const OleDateTime&,
                            std::string_view, std::string_view, std::string_view,
                            std::string_view) {}

void StationLog::WriteCabrilloFile(Platform&, std::int32_t) {}

std::string_view CabrilloModeCode(std::string_view mode) noexcept {
  if (mode == "CW") return "CW";
  if (mode == "BPSK63" || mode == "BPSK62") return "PM";
  if (mode == "SSB") return "PH";
  return "??";
}

}  // namespace stats
