#include "stats-host/report/summary_table.h"

#include <algorithm>
#include <vector>

#include "logs/text/ascii.h"
#include "logs/text/text_encoding.h"
#include "stats-host/run/plugin_summary.h"
#include "stats/public/plugin_names.h"

namespace stats_host {
namespace {

using Cells = std::vector<std::string>;

std::size_t FilledCount(const Cells& cells) {
  return static_cast<std::size_t>(
      std::count_if(cells.begin(), cells.end(), [](const std::string& c) { return !c.empty(); }));
}

std::string JoinFilled(const Cells& cells) {
  std::string text;
  for (const std::string& cell : cells) {
    if (cell.empty()) continue;
    if (!text.empty()) text += ' ';
    text += cell;
  }
  return text;
}

std::string Padded(const std::string& cell, std::size_t width, bool left) {
  const std::size_t columns = logs::Utf8Length(cell);
  const std::string fill(width > columns ? width - columns : 0, ' ');
  return left ? cell + fill : fill + cell;
}

// The plug-in's own words in a cell of the table, in `words`.
std::string TableCell(const std::string& cell, bool first, const SummaryWords& words) {
  static constexpr std::string_view kHeadings[] = {"QSOs", "Points", "CW", "SSB", "Kvant"};
  static_assert(std::string_view("QSOs\tPoints\tCW\tSSB\tKvant") == stats::kSummaryColumns);
  if (first) {
    if (cell.empty()) return std::string(words.bandHeading);
    if (cell == stats::kSummaryTotal) return std::string(words.total);
    return logs::IsDigits(cell) ? cell + std::string(words.metres) : cell;
  }
  for (std::size_t i = 0; i < std::size(kHeadings); ++i) {
    if (cell == kHeadings[i]) return std::string(words.columns[i]);
  }
  return logs::GroupedDigits(cell, words.groupedDigits);
}

// A line of one cell: the contestant and the score get their labels in `words`.
std::string LabelledLine(const std::string& line, const SummaryWords& words) {
  if (line.starts_with(stats::kSummaryContestant)) {
    return std::string(words.contestant) + line.substr(stats::kSummaryContestant.size());
  }
  if (line.starts_with(stats::kSummaryScore)) {
    return std::string(words.score) +
           logs::GroupedDigits(line.substr(stats::kSummaryScore.size()), words.groupedDigits);
  }
  return line;
}

}  // namespace

std::string FormatSummaryTable(std::string_view summaryText, const SummaryWords& words) {
  std::vector<Cells> lines = SummaryCells(summaryText);

  std::vector<std::size_t> widths;
  for (Cells& cells : lines) {
    if (FilledCount(cells) < 2) continue;
    for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = TableCell(cells[i], i == 0, words);
    if (widths.size() < cells.size()) widths.resize(cells.size(), 0);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      widths[i] = std::max(widths[i], logs::Utf8Length(cells[i]));
    }
  }

  std::string table;
  for (const Cells& cells : lines) {
    if (FilledCount(cells) < 2) {
      table += LabelledLine(JoinFilled(cells), words) + "\n";
      continue;
    }
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) row += "  ";
      row += Padded(cells[i], widths[i], i == 0);
    }
    table += std::string(logs::Trimmed(row)) + "\n";
  }
  return table;
}

}  // namespace stats_host
