#include "host/report/summary_table.h"

#include <algorithm>
#include <vector>

#include "host/adif/ascii.h"
#include "host/run/plugin_summary.h"
#include "stats/public/plugin_names.h"

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

// Characters on the screen: UTF-8 continuation bytes take no column.
std::size_t Columns(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string Padded(const std::string& cell, std::size_t width, bool left) {
  const std::size_t columns = Columns(cell);
  const std::string fill(width > columns ? width - columns : 0, ' ');
  return left ? cell + fill : fill + cell;
}

bool IsNumber(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// 10 220: groups of three digits from the right, in numbers of five digits or more.
std::string Grouped(const std::string& number, bool group) {
  if (!group || !IsNumber(number) || number.size() < 5) return number;
  std::string text;
  for (std::size_t i = 0; i < number.size(); ++i) {
    if (i > 0 && (number.size() - i) % 3 == 0) text += ' ';
    text += number[i];
  }
  return text;
}

// The plug-in's own words in a cell of the table, in `words`.
std::string TableCell(const std::string& cell, bool first, const SummaryWords& words) {
  static constexpr std::string_view kHeadings[] = {"QSOs", "Points", "CW", "SSB", "Kvant"};
  static_assert(std::string_view("QSOs\tPoints\tCW\tSSB\tKvant") == stats::kSummaryColumns);
  if (first) {
    if (cell.empty()) return std::string(words.bandHeading);
    if (cell == stats::kSummaryTotal) return std::string(words.total);
    return IsNumber(cell) ? cell + std::string(words.metres) : cell;
  }
  for (std::size_t i = 0; i < std::size(kHeadings); ++i) {
    if (cell == kHeadings[i]) return std::string(words.columns[i]);
  }
  return Grouped(cell, words.groupDigits);
}

// A line of one cell: the contestant and the score get their labels in `words`.
std::string LabelledLine(const std::string& line, const SummaryWords& words) {
  if (line.starts_with(stats::kSummaryContestant)) {
    return std::string(words.contestant) + line.substr(stats::kSummaryContestant.size());
  }
  if (line.starts_with(stats::kSummaryScore)) {
    return std::string(words.score) +
           Grouped(line.substr(stats::kSummaryScore.size()), words.groupDigits);
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
      widths[i] = std::max(widths[i], Columns(cells[i]));
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
    table += std::string(Trimmed(row)) + "\n";
  }
  return table;
}

}  // namespace host
