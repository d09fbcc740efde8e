#include "stats-host/run/plugin_summary.h"

#include <charconv>

#include "logs/text/ascii.h"
#include "stats/public/plugin_names.h"

namespace stats_host {
namespace {

std::optional<long long> WholeNumber(std::string_view text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::optional<SummaryRow> Row(const std::vector<std::string>& cells) {
  if (cells.size() != 6 || cells[0].empty()) return std::nullopt;
  long long numbers[5];
  for (int i = 0; i < 5; ++i) {
    const auto number = WholeNumber(cells[i + 1]);
    if (!number) return std::nullopt;
    numbers[i] = *number;
  }
  return SummaryRow{cells[0], numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]};
}

// The text after `prefix` when the line's only filled cell starts with it.
std::optional<std::string> After(const std::vector<std::string>& cells, std::string_view prefix) {
  std::string filled;
  for (const std::string& cell : cells) {
    if (cell.empty()) continue;
    if (!filled.empty()) return std::nullopt;
    filled = cell;
  }
  if (filled.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  return filled.substr(prefix.size());
}

}  // namespace

std::vector<std::vector<std::string>> SummaryCells(std::string_view summaryText) {
  std::vector<std::vector<std::string>> lines;
  std::size_t start = 0;
  while (start < summaryText.size() || lines.empty()) {
    std::size_t end = summaryText.find('\n', start);
    if (end == std::string_view::npos) end = summaryText.size();
    std::string_view line = summaryText.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string> cells;
    std::size_t cellStart = 0;
    while (true) {
      const std::size_t tab = line.find('\t', cellStart);
      cells.emplace_back(logs::Trimmed(line.substr(cellStart, tab - cellStart)));
      if (tab == std::string_view::npos) break;
      cellStart = tab + 1;
    }
    lines.push_back(std::move(cells));
    start = end + 1;
  }
  return lines;
}

PluginSummary ParsePluginSummary(std::string_view summaryText) {
  PluginSummary summary;
  for (const std::vector<std::string>& cells : SummaryCells(summaryText)) {
    if (auto row = Row(cells)) {
      summary.bands.push_back(std::move(*row));
    } else if (auto date = After(cells, stats::kSummaryTitle)) {
      summary.contestDate = std::move(*date);
    } else if (auto contestant = After(cells, stats::kSummaryContestant)) {
      summary.contestant = std::move(*contestant);
    } else if (auto score = After(cells, stats::kSummaryScore)) {
      summary.score = WholeNumber(*score);
    }
  }
  if (!summary.bands.empty()) {
    summary.total = std::move(summary.bands.back());
    summary.bands.pop_back();
  }
  return summary;
}

}  // namespace stats_host
