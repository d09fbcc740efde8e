#pragma once

// What the first pass over the log tells the run before the plug-in is
// called: the first QSO, whose date is the contest's, and the own calls.

#include <optional>
#include <ostream>
#include <string>

#include "logs/adif/qso_mapping.h"
#include "stats-host/run/run_texts.h"

namespace stats_host {

class FirstPass {
 public:
  void Take(const logs::HostQso& qso);

  const std::optional<logs::HostQso>& First() const { return first_; }

  // --call, else the first own call of the log; `warn` hears, in the words
  // of `texts`, where records lack one (all of them, or from which record on)
  // and where another own call first comes, which the Cabrillo log will not
  // give (the plug-in writes the contestant's call on every line), and when
  // the call mixes Latin letters with others that look the same.
  std::string ContestantCall(const std::optional<std::string>& ownCall, const std::string& logName,
                             const RunTexts& texts, std::ostream& warn) const;

 private:
  std::string ChosenCall(const std::optional<std::string>& ownCall, const std::string& logName,
                         const RunTexts& texts, std::ostream& warn) const;

  std::optional<logs::HostQso> first_;
  std::optional<logs::HostQso> firstWithOwnCall_;
  std::optional<logs::HostQso> firstWithoutOwnCall_;
  std::optional<logs::HostQso> firstOtherOwnCall_;  // an own call other than the first
};

}  // namespace stats_host
