#include "stats-host/run/first_pass.h"

#include <algorithm>
#include <string_view>

#include "logs/text/text_pattern.h"

namespace stats_host {

void FirstPass::Take(const logs::HostQso& qso) {
  if (!first_) first_ = qso;
  auto& kept = qso.ownCall.empty() ? firstWithoutOwnCall_ : firstWithOwnCall_;
  if (!kept) {
    kept = qso;
  } else if (!qso.ownCall.empty() && !firstOtherOwnCall_ && qso.ownCall != kept->ownCall) {
    firstOtherOwnCall_ = qso;
  }
}

namespace {

// Whether the call has Latin letters and letters of another script (bytes
// beyond ASCII, in UTF-8 or Windows-1251): a Cyrillic letter that looks Latin
// typed on a Russian keyboard (RА3ХYZ).
bool MixesScripts(std::string_view call) {
  const auto latin = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  const auto other = [](char c) { return static_cast<unsigned char>(c) >= 0x80; };
  return std::any_of(call.begin(), call.end(), latin) &&
         std::any_of(call.begin(), call.end(), other);
}

}  // namespace

std::string FirstPass::ContestantCall(const std::optional<std::string>& ownCall,
                                      const std::string& logName, const RunTexts& texts,
                                      std::ostream& warn) const {
  std::string call = ChosenCall(ownCall, logName, texts, warn);
  if (MixesScripts(call)) {
    warn << logs::Substituted(texts.ownCallMixesScripts, {logName, call}) << "\n";
  }
  return call;
}

std::string FirstPass::ChosenCall(const std::optional<std::string>& ownCall,
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
  if (firstOtherOwnCall_) {
    warn << logs::Substituted(
                texts.ownCallChanges,
                {logName, firstWithOwnCall_->ownCall, std::to_string(firstWithOwnCall_->record),
                 firstOtherOwnCall_->ownCall,
                 PlaceInLog(texts, firstOtherOwnCall_->record, firstOtherOwnCall_->offset),
                 firstWithOwnCall_->ownCall})
         << "\n";
  }
  return firstWithOwnCall_->ownCall;
}

}  // namespace stats_host
