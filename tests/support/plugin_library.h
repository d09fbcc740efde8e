#pragma once

// The built plug-in, loaded the way the host does (by file name, entry points
// looked up by name) through the host simulator's loader.

#include <string>

#if defined(_WIN32)
#include <windows.h>
#endif

#include "stats-host/run/plugin_library.h"
#include "stats/public/exports.h"

namespace stats::testing {

class PluginLibrary {
 public:
  explicit PluginLibrary(const std::string& path) : library_(path) {}

  // The address of an exported name, or null when the plug-in has none.
  void* Find(const char* name) const {
    try {
      return library_.Symbol(name);
    } catch (const stats_host::PluginLoadError&) {
      return nullptr;
    }
  }

  template <typename Function>
  Function Get(const char* name) const {
    return stats_host::EntryPoint<Function>(library_, name);
  }

 private:
  stats_host::PluginLibrary library_;
};

// The plug-in of this build: Stats.dll beside the test program, or the shared
// library whose path the build passes in.
inline std::string BuiltPluginPath() {
#if defined(_WIN32)
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + "Stats.dll";
#else
  return STATS_PLUGIN_PATH;
#endif
}

}  // namespace stats::testing
