#include <windows.h>

#include <string>

#include "stats-host/run/plugin_location.h"

namespace stats_host {

const char kPluginFileName[] = "Stats.dll";

std::filesystem::path ProgramPath() {
  std::wstring buffer(MAX_PATH, L'\0');
  while (true) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::filesystem::path(buffer.substr(0, length));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace stats_host
