#pragma once

// The station details a Cabrillo log needs, kept between resets in the settings
// file, and the Cabrillo log built from them.

#include <cstdint>
#include <string>
#include <string_view>

#include "stats/platform/platform.h"
#include "stats/store.h"

namespace stats {

class StationLog {
 public:
  // Loads the details from the settings file, shows the dialog preset with them
  // and, on OK, keeps and stores what the operator confirmed.
  void EditStationDetails(Platform& platform, std::string_view hostCall);

  // Keeps `score` in the settings file as the claimed score.
  void StoreClaimedScore(Platform& platform, std::int32_t score);

  // Writes the Cabrillo file from the details, the score and the stored QSOs.
  void WriteCabrilloFile(Platform& platform, std::int32_t claimedScore, const QsoStore& store);

  // As the operator edits them: address and soapbox with CR LF between lines.
  // The settings file and the Cabrillo log get them in their own forms.
  StationDetailsForm details;
  std::string fileBaseName;
};

}  // namespace stats
