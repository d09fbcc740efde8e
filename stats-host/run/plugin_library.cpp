#include "stats-host/run/plugin_library.h"

#include <utility>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace stats_host {
namespace {

#if defined(_WIN32)

std::string LastErrorText() {
  const DWORD code = ::GetLastError();
  char* buffer = nullptr;
  const DWORD size = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = size > 0 ? std::string(buffer, size) : std::string();
  ::LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
    text.pop_back();
  }
  return "error " + std::to_string(code) + (text.empty() ? "" : ": " + text);
}

void* Open(const std::filesystem::path& path) {
  return reinterpret_cast<void*>(::LoadLibraryW(path.c_str()));
}

void* Find(void* handle, const char* name) {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle), name));
}

void Close(void* handle) { ::FreeLibrary(static_cast<HMODULE>(handle)); }

#else

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

#endif

}  // namespace

PluginLoadError::PluginLoadError(const std::filesystem::path& path, std::string entryPoint,
                                 std::string reason)
    : std::runtime_error(path.string() + (entryPoint.empty() ? "" : " " + entryPoint) + ": " +
                         reason),
      path_(path),
      entryPoint_(std::move(entryPoint)),
      reason_(std::move(reason)) {}

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
