#include "files/replace_file.h"

#include <fstream>
#include <system_error>

#include "stats/public/plugin_names.h"

namespace files {

bool ReplaceFile(const std::filesystem::path& file, std::string_view contents) {
  std::filesystem::path partial = file;
  partial += stats::kPartialFileExtension;
  std::ofstream out(partial, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  out.close();
  std::error_code error;
  if (out) std::filesystem::rename(partial, file, error);
  if (out && !error) return true;
  std::filesystem::remove(partial, error);
  return false;
}

}  // namespace files
