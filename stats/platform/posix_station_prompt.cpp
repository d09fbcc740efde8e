#include "stats/platform/posix_station_prompt.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "stats/platform/station_form_layout.h"

namespace stats {
namespace {

// The fields in the order the dialog shows them, top to bottom.
constexpr std::array<const FormField*, kFormFields.size()> kPromptOrder = [] {
  std::array<const FormField*, kFormFields.size()> order{};
  for (const FormField& field : kFormFields) order[static_cast<std::size_t>(field.row)] = &field;
  return order;
}();

constexpr std::string_view kClearMark = "-";
constexpr std::string_view kLineBreak = "\r\n";

std::optional<std::string> ReadLine(std::istream& in) {
  std::string line;
  if (!std::getline(in, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

// The answer for one line; nothing at the end of the input.
std::optional<std::string> AskLine(std::string_view label, const std::string& preset,
                                   std::istream& in, std::ostream& out) {
  out << label << " [" << preset << "]: " << std::flush;
  auto answer = ReadLine(in);
  if (!answer) return std::nullopt;
  if (answer->empty()) return preset;
  if (*answer == kClearMark) return std::string();
  return answer;
}

std::optional<std::string> AskCategory(const std::string& preset, std::istream& in,
                                       std::ostream& out) {
  for (std::size_t i = 0; i < kEntryCategories.size(); ++i) {
    out << "  " << i + 1 << ") " << kEntryCategories[i] << '\n';
  }
  auto answer = AskLine("CATEGORY (number or text)", preset, in, out);
  if (answer && answer->size() == 1) {
    const char digit = answer->front();
    const auto count = static_cast<char>('0' + kEntryCategories.size());
    if (digit >= '1' && digit <= count) {
      return std::string(kEntryCategories[static_cast<std::size_t>(digit - '1')]);
    }
  }
  return answer;
}

// Several lines, joined with CR LF as a multi-line edit box holds them.
std::optional<std::string> AskLines(std::string_view label, const std::string& preset,
                                    std::istream& in, std::ostream& out) {
  out << label << " (lines, an empty line ends; Enter alone keeps, \"-\" empties):\n";
  std::string_view rest = preset;
  while (!rest.empty()) {
    const std::size_t end = rest.find(kLineBreak);
    out << "  | " << rest.substr(0, end) << '\n';
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
  }
  auto line = ReadLine(in);
  if (!line) return std::nullopt;
  if (line->empty()) return preset;
  if (*line == kClearMark) return std::string();
  std::string text = *line;
  while ((line = ReadLine(in)) && !line->empty()) {
    text += kLineBreak;
    text += *line;
  }
  return text;
}

bool Confirmed(std::istream& in, std::ostream& out) {
  out << "Save these details? [Y/n]: " << std::flush;
  const auto answer = ReadLine(in);
  return answer && (answer->empty() || (*answer)[0] == 'y' || (*answer)[0] == 'Y');
}

}  // namespace

bool PromptStationDetails(StationDetailsForm& form, std::istream& in, std::ostream& out) {
  out << "Station details (Enter keeps the value in brackets, \"-\" empties it)\n";
  StationDetailsForm edited = form;
  for (const FormField* field : kPromptOrder) {
    const std::string& preset = form.*field->text;
    std::optional<std::string> answer;
    switch (field->kind) {
      case FieldKind::kLine:
        answer = AskLine(field->label, preset, in, out);
        break;
      case FieldKind::kLines:
        answer = AskLines(field->label, preset, in, out);
        break;
      case FieldKind::kCategory:
        answer = AskCategory(preset, in, out);
        break;
    }
    if (!answer) return false;
    edited.*field->text = std::move(*answer);
  }
  if (!Confirmed(in, out)) return false;
  form = std::move(edited);
  return true;
}

bool EditStationDetailsOnConsole(StationDetailsForm& form) {
  // Input that ended for an earlier question may have more now.
  std::cin.clear();
  std::clearerr(stdin);
  if (::isatty(STDIN_FILENO) != 0) {
    // A test runner may pass its terminal as standard input while it captures
    // the questions nobody would see: that operator can not answer.
    if (::isatty(STDERR_FILENO) == 0) return false;
    return PromptStationDetails(form, std::cin, std::cerr);
  }
  std::ostream unseen(nullptr);  // scripted answers: the questions are not shown
  return PromptStationDetails(form, std::cin, unseen);
}

}  // namespace stats
