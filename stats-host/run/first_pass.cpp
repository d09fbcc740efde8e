#include "stats-host/run/first_pass.h"

#include "logs/text/text_pattern.h"

namespace stats_host {

void FirstPass::Take(const logs::HostQso& qso) {
  if (!first_) first_ = qso;
  auto& kept = qso.ownCall.empty() ? firstWithoutOwnCall_ : firstWithOwnCall_;
  if (!kept) kept = qso;
}

std::string FirstPass::ContestantCall(const std::optional<std::string>& ownCall,
                                      const std::string& logName, const RunTexts& texts,
                                      std::ostream& warn) const {
  if (ownCall) return *ownCall;
  if (!firstWithOwnCall_) {
    warn << logs::Substituted(texts.noOwnCall, {logName}) << "\n";
    return {};
  }
  if (firstWithoutOwnCall_) {
    warn << logs::Substituted(
                texts.firstWithoutOwnCall,
                {logName,
                 PlaceInLog(texts, firstWithoutOwnCall_->record, firstWithoutOwnCall_->offset),
                 firstWithOwnCall_->ownCall, std::to_string(firstWithOwnCall_->record)})
         << "\n";
  }
  return firstWithOwnCall_->ownCall;
}

}  // namespace stats_host
