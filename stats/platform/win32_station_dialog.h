#pragma once

// The station-details dialog of the Windows build: dialog template 101 from
// the resources of the module that holds this code (Stats.dll when loaded as
// the plug-in), shown modally without a parent window.

#include "stats/platform/platform.h"

namespace stats {

// Presets the dialog's ten texts from `form` and, on OK, reads all ten back
// into it and returns true. CANCEL, closing the dialog or a dialog that can
// not be shown return false and leave `form` unchanged.
bool ShowStationDetailsDialog(StationDetailsForm& form) noexcept;

}  // namespace stats
