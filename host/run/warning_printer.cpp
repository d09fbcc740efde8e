#include "host/run/warning_printer.h"

namespace host {
namespace {

// Warnings of one kind differ only in the texts they quote and in their numbers.
std::string KindOf(const LogWarning& warning) {
  std::string kind(warning.skipped ? "skipped " : "");
  bool quoted = false;
  for (const char c : warning.text) {
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && (c < '0' || c > '9')) {
      kind += c;
    }
  }
  return kind;
}

}  // namespace

std::string GroupedDigits(std::size_t number) {
  const std::string digits = std::to_string(number);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ' ';
    grouped += digits[i];
  }
  return grouped;
}

void WarningPrinter::Print(const LogWarning& warning) {
  const auto [at, added] = kindIndex_.try_emplace(KindOf(warning), kinds_.size());
  if (added) kinds_.emplace_back();
  Kind& kind = kinds_[at->second];
  if (++kind.count > kShownOfAKind) return;
  kind.last = warning.text + (warning.skipped ? "; the record is skipped" : "");
  err_ << "warning: " << logName_ << ": " << PlaceInLog(warning.record, warning.offset) << ": "
       << kind.last << "\n";
}

void WarningPrinter::PrintCounts() {
  for (const Kind& kind : kinds_) {
    if (kind.count <= kShownOfAKind) continue;
    err_ << "warning: " << logName_ << ": \xE2\x80\xA6 and "  // "…"
         << GroupedDigits(kind.count - kShownOfAKind) << " more like it (" << kind.last << ")\n";
  }
}

}  // namespace host
