#pragma once

// The contest plug-in's entry points, looked up by their plain names and called
// with the argument lists the host uses. Positions the plug-in ignores get what
// a host passes there when it has nothing to say: empty texts, zero numbers and
// a null date-time.

#include <filesystem>
#include <optional>
#include <string>

#include "logs/adif/qso_mapping.h"
#include "logs/time/qso_date.h"
#include "stats-host/run/plugin_library.h"
#include "stats/public/exports.h"

namespace stats_host {

struct PluginResult {
  std::string summaryText;  // a copy of the text GetResult0 returns
  int score = 0;            // what GetResult0 writes into the host's integer
};

class LoadedPlugin {
 public:
  // Loads the library and looks up every entry point this program calls;
  // throws PluginLoadError.
  explicit LoadedPlugin(const std::filesystem::path& path);

  // ResetStats0 with the own call and the contest date (at 00:00; a null
  // date-time when there is none).
  void Reset(bool writeCabrillo, const std::string& contestantCall,
             const std::optional<logs::QsoDate>& contestDate);

  // AddData0: whether the plug-in stored the QSO.
  bool Add(const logs::HostQso& qso);

  PluginResult Result();

 private:
  PluginLibrary library_;
  ResetStats0Fn resetStats_;
  QsoDataFn addData_;
  GetResult0Fn getResult_;
};

}  // namespace stats_host
