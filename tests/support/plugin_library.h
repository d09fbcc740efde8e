#pragma once

// Loads the plug-in the way the host does, by file name, and looks its entry
// points up by name.

#include <stdexcept>
#include <string>

#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "stats/exports.h"

namespace stats::testing {

class PluginLibrary {
 public:
  explicit PluginLibrary(const std::string& path) {
#if defined(_WIN32)
    handle_ = LoadLibraryA(path.c_str());
#else
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
    if (handle_ == nullptr) throw std::runtime_error("can not load " + path);
  }
  ~PluginLibrary() {
#if defined(_WIN32)
    FreeLibrary(handle_);
#else
    dlclose(handle_);
#endif
  }
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  void* Find(const char* name) const {
#if defined(_WIN32)
    return reinterpret_cast<void*>(GetProcAddress(handle_, name));
#else
    return dlsym(handle_, name);
#endif
  }

  template <typename Function>
  Function Get(const char* name) const {
    void* const address = Find(name);
    if (address == nullptr) throw std::runtime_error(std::string("missing entry point ") + name);
    return reinterpret_cast<Function>(address);
  }

 private:
#if defined(_WIN32)
  HMODULE handle_ = nullptr;
#else
  void* handle_ = nullptr;
#endif
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
