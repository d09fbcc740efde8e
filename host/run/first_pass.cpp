#include "host/run/first_pass.h"

namespace host {

void FirstPass::Take(const HostQso& qso) {
  if (!first_) first_ = qso;
  auto& kept = qso.ownCall.empty() ? firstWithoutOwnCall_ : firstWithOwnCall_;
  if (!kept) kept = qso;
}

std::string FirstPass::ContestantCall(const std::optional<std::string>& ownCall,
                                      const std::string& logName, std::ostream& warn) const {
  if (ownCall) return *ownCall;
  if (!firstWithOwnCall_) {
    warn << "warning: " << logName
         << ": no own call in the log (STATION_CALLSIGN or OPERATOR); give --call\n";
    return {};
  }
  if (firstWithoutOwnCall_) {
    warn << "warning: " << logName << ": "
         << PlaceInLog(firstWithoutOwnCall_->record, firstWithoutOwnCall_->offset)
         << ": no own call (STATION_CALLSIGN or OPERATOR), the first record without one; the "
            "plug-in gets an empty own call for these, and the contestant is "
         << firstWithOwnCall_->ownCall << ", of record " << firstWithOwnCall_->record
         << " (give --call for one own call in all)\n";
  }
  return firstWithOwnCall_->ownCall;
}

}  // namespace host
