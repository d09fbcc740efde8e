#include "stats-host/run/plugin_location.h"

#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace stats_host {

std::filesystem::path ProgramPath() {
#if defined(_WIN32)
  std::wstring buffer(MAX_PATH, L'\0');
  while (true) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::filesystem::path(buffer.substr(0, length));
    buffer.resize(buffer.size() * 2);
  }
#else
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error);
#endif
}

std::vector<std::filesystem::path> PluginCandidates(const std::filesystem::path& programFolder) {
  return {programFolder / kPluginFileName, programFolder / "Plugins" / kPluginFileName,
          (programFolder / ".." / "stats" / kPluginFileName).lexically_normal()};
}

std::filesystem::path DefaultPluginPath() {
  const auto candidates = PluginCandidates(ProgramPath().parent_path());
  for (const auto& candidate : candidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate;
  }
  return candidates.front();
}

}  // namespace stats_host
