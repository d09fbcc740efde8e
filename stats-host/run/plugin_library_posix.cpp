#include <dlfcn.h>

#include <string>

#include "stats-host/run/plugin_library.h"

namespace stats_host {
namespace {

std::string LastErrorText() {
  const char* text = ::dlerror();
  return text == nullptr ? "unknown reason" : text;
}

void* Open(const std::filesystem::path& path) {
  // A name without a folder would make dlopen search the library path instead.
  const std::filesystem::path local = path.has_parent_path() ? path : "." / path;
  return ::dlopen(local.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* Find(void* handle, const char* name) {
  ::dlerror();
  return ::dlsym(handle, name);
}

void Close(void* handle) { ::dlclose(handle); }

}  // namespace

void PluginLibrary::Unloader::operator()(void* handle) const noexcept { Close(handle); }

PluginLibrary::PluginLibrary(const std::filesystem::path& path) : path_(path), handle_(Open(path)) {
  if (!handle_) throw PluginLoadError(path, "", LastErrorText());
}

void* PluginLibrary::Symbol(const char* name) const {
  void* const address = Find(handle_.get(), name);
  if (address == nullptr) throw PluginLoadError(path_, name, LastErrorText());
  return address;
}

}  // namespace stats_host
