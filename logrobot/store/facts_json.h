#pragma once

// A log's facts as the store keeps them: one JSON object, so that the answer
// shown on the participant's page later is the one given at upload.

#include <string>
#include <string_view>

#include "logrobot/reading/log_facts.h"

namespace logrobot {

std::string FactsJson(const LogFacts& facts);

// Throws StoreError for a text that FactsJson did not write.
LogFacts FactsOfJson(std::string_view json);

}  // namespace logrobot
