#include <windows.h>

#include <string>
#include <system_error>

#include "files/file_problem.h"
#include "stats-host/run/plugin_library.h"

namespace stats_host {
namespace {

// The system's reason in UTF-8, in the language of the user's system.
std::string LastErrorText() {
  return files::SystemText({static_cast<int>(::GetLastError()), std::system_category()});
}

void* Open(const std::filesystem::path& path) {
  return reinterpret_cast<void*>(::LoadLibraryW(path.c_str()));
}

void* Find(void* handle, const char* name) {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle), name));
}

void Close(void* handle) { ::FreeLibrary(static_cast<HMODULE>(handle)); }

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
