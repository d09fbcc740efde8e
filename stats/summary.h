#pragma once

// The result the host asks for: the store scored band by band (see
// stats/rules/score.h) and the summary text that shows it.

#include <cstdint>
#include <string>
#include <string_view>

#include "stats/store.h"

namespace stats {

struct ContestSummary {
  std::string summaryText;
  std::int32_t score = 0;
};

// Orders the band list (see OrderBands) and scores the store from its per-band counts.
ContestSummary SummarizeContest(const QsoStore& store, BandList& bands,
                                std::string_view contestDate, std::string_view contestantCall);

}  // namespace stats
