#include "stats/platform/platform.h"

#include "stats/public/plugin_names.h"

namespace stats {

bool Platform::ReplaceWholeFile(const std::string& path, std::string_view contents) {
  const std::string partialPath = path + std::string(kPartialFileExtension);
  if (WriteWholeFile(partialPath, contents) && MoveFileOver(partialPath, path)) return true;
  RemoveFile(partialPath);
  return false;
}

}  // namespace stats
