#include "host/report/summary_table.h"

#include <algorithm>
#include <vector>

#include "host/adif/ascii.h"
#include "host/run/plugin_summary.h"

namespace host {
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
  const std::string fill(width > cell.size() ? width - cell.size() : 0, ' ');
  return left ? cell + fill : fill + cell;
}

}  // namespace

std::string FormatSummaryTable(std::string_view summaryText) {
  std::vector<Cells> lines = SummaryCells(summaryText);

  std::vector<std::size_t> widths;
  for (Cells& cells : lines) {
    if (FilledCount(cells) < 2) continue;
    if (cells.front().empty()) cells.front() = "Band";
    if (widths.size() < cells.size()) widths.resize(cells.size(), 0);
    for (std::size_t i = 0; i < cells.size(); ++i) widths[i] = std::max(widths[i], cells[i].size());
  }

  std::string table;
  for (const Cells& cells : lines) {
    if (FilledCount(cells) < 2) {
      table += JoinFilled(cells) + "\n";
      continue;
    }
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) row += "  ";
      row += Padded(cells[i], widths[i], i == 0);
    }
    table += std::string(Trimmed(row)) + "\n";
  }
  return table;
}

}  // namespace host
