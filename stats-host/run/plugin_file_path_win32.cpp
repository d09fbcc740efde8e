#include <windows.h>

#include "stats-host/run/plugin_file_path.h"

namespace stats_host {

std::filesystem::path PluginFilePath(const std::string& narrowName) {
  if (narrowName.empty()) return {};
  const int size = static_cast<int>(narrowName.size());
  const int wide = ::MultiByteToWideChar(CP_ACP, 0, narrowName.data(), size, nullptr, 0);
  std::wstring name(static_cast<std::size_t>(wide), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, narrowName.data(), size, name.data(), wide);
  return name;
}

}  // namespace stats_host
