#pragma once

// The summary text that GetResult0 returns, read back into its numbers: tab-
// separated lines ended by CR LF, a row per band, the total row and the score.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stats_host {

// Each line of the text (CR LF or LF ends a line; a last line end adds no line)
// as its tab-separated cells, each without the blanks around it.
std::vector<std::vector<std::string>> SummaryCells(std::string_view summaryText);

struct SummaryRow {
  std::string band;  // "Total" for the total row
  long long qsos = 0;
  long long points = 0;
  long long cw = 0;
  long long ssb = 0;
  long long kvant = 0;
};

struct PluginSummary {
  std::string contestDate;  // as the first line gives it
  std::string contestant;   // after "Contestant: "
  std::vector<SummaryRow> bands;
  std::optional<SummaryRow> total;
  std::optional<long long> score;  // after "Score: = "
};

// Rows are the lines of a name and five whole numbers; the last of them is the
// total. What the text lacks stays empty.
PluginSummary ParsePluginSummary(std::string_view summaryText);

}  // namespace stats_host
