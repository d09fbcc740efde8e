#pragma once

// The reasons why a record did not reach the plug-in, as the page shows them
// in its language. The reader words them in English; the ones it gives for a
// skip are known, and each has its Russian wording here. Any other text stays
// as it is.

#include <string>
#include <string_view>

#include "logs/text/report_language.h"

namespace stats_host {

std::string LocalSkipReason(std::string_view reason, logs::ReportLanguage language);

}  // namespace stats_host
