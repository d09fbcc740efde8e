#pragma once

// A shared library loaded at run time the way the host loads its plug-ins
// (dlopen / LoadLibrary), unloaded when the object goes.

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace stats_host {

// A plug-in that can not be loaded, or lacks an entry point (`entryPoint` not
// empty); `reason` is the system's. The run words the message for its reader.
class PluginLoadError : public std::runtime_error {
 public:
  PluginLoadError(const std::filesystem::path& path, std::string entryPoint, std::string reason);
  const std::filesystem::path& Path() const { return path_; }
  const std::string& EntryPoint() const { return entryPoint_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::filesystem::path path_;
  std::string entryPoint_;
  std::string reason_;
};

class PluginLibrary {
 public:
  // Loads the library; throws PluginLoadError naming the path and the system's reason.
  explicit PluginLibrary(const std::filesystem::path& path);

  // The address of an exported name; throws PluginLoadError when it is missing.
  void* Symbol(const char* name) const;

  const std::filesystem::path& Path() const { return path_; }

 private:
  struct Unloader {
    void operator()(void* handle) const noexcept;
  };

  std::filesystem::path path_;
  std::unique_ptr<void, Unloader> handle_;
};

// Looks up an entry point by its plain name with the type it is called through.
template <typename Function>
Function EntryPoint(const PluginLibrary& library, const char* name) {
  return reinterpret_cast<Function>(library.Symbol(name));
}

}  // namespace stats_host
