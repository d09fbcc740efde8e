#include "stats-host/run/warning_printer.h"

#include "logs/text/ascii.h"
#include "logs/text/text_pattern.h"

namespace stats_host {
namespace {

// Warnings of one kind differ only in the texts they quote and in their numbers.
std::string KindOf(const logs::LogWarning& warning) {
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

void WarningPrinter::Print(const logs::LogWarning& warning) {
  const auto [at, added] = kindIndex_.try_emplace(KindOf(warning), kinds_.size());
  if (added) kinds_.emplace_back();
  Kind& kind = kinds_[at->second];
  if (++kind.count > kShownOfAKind) return;
  kind.last = warning.text + std::string(warning.skipped ? texts_.skippedEnding : "");
  err_ << logs::Substituted(
              texts_.warning,
              {logName_, PlaceInLog(texts_, warning.record, warning.offset), kind.last})
       << "\n";
}

void WarningPrinter::PrintCounts() {
  for (const Kind& kind : kinds_) {
    if (kind.count <= kShownOfAKind) continue;
    err_ << logs::Substituted(texts_.moreLikeIt,
                              {logName_,
                               logs::GroupedDigits(std::to_string(kind.count - kShownOfAKind),
                                                   texts_.groupedDigits),
                               kind.last})
         << "\n";
  }
}

}  // namespace stats_host
