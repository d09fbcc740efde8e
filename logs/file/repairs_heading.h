#pragma once

// The heading over the repairs made while reading a participant's log, for
// every page and report that lists them (UTF-8).

#include <string_view>

#include "logs/text/report_language.h"

namespace logs {

std::string_view RepairsHeading(ReportLanguage language);

}  // namespace logs
