#pragma once

// The observers of a run: each sees every QSO as it is handed to the plug-in,
// in the order of the log, with what the plug-in made of it. A new output of
// the run is one observer, registered where the run is started.

#include "logs/adif/log_pass.h"
#include "logs/adif/qso_mapping.h"

namespace stats_host {

struct HandedQso {
  const logs::HostQso& qso;
  bool stored = false;  // false: the contest rules refused it (err.txt has its line, if it fit)
};

class QsoObserver {
 public:
  virtual ~QsoObserver() = default;
  virtual void OnQso(const HandedQso& handed) = 0;
  // A record of the log that did not reach the plug-in, in its place in the
  // order of the log.
  virtual void OnSkipped(const logs::SkippedQso& /*skipped*/) {}
  // The run stopped before its end: what was seen counts for nothing, and the
  // memory it took is given back, so that the plug-in can be reset.
  virtual void OnAbandon() noexcept = 0;
};

}  // namespace stats_host
