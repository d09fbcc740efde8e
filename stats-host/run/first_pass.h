#pragma once

// What the first pass over the log tells the run before the plug-in is
// called: the first QSO, whose date is the contest's, and the own calls.

#include <optional>
#include <ostream>
#include <string>

#include "host/adif/qso_mapping.h"
#include "host/run/run_texts.h"

namespace host {

class FirstPass {
 public:
  void Take(const HostQso& qso);

  const std::optional<HostQso>& First() const { return first_; }

  // --call, else the first own call of the log; `warn` hears, in the words
  // of `texts`, where records lack one: all of them, or from which record on.
  std::string ContestantCall(const std::optional<std::string>& ownCall, const std::string& logName,
                             const RunTexts& texts, std::ostream& warn) const;

 private:
  std::optional<HostQso> first_;
  std::optional<HostQso> firstWithOwnCall_;
  std::optional<HostQso> firstWithoutOwnCall_;
};

}  // namespace host
