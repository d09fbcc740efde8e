#include "host/run/output_check.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "stats/public/plugin_names.h"

namespace host {

std::string SystemErrorText(int error) {
  return error == ENOSPC ? "no space left on the device" : std::strerror(error);
}

bool DeviceIsFull(const std::filesystem::path& folder) {
  std::error_code error;
  const std::filesystem::space_info space = std::filesystem::space(folder, error);
  return !error && space.available == 0;
}

std::optional<std::string> WhyNotWritable(const std::filesystem::path& file) {
  std::error_code ignored;
  const bool existed = std::filesystem::exists(file, ignored);
  errno = 0;
  std::FILE* opened = std::fopen(file.string().c_str(), "ab");
  if (opened == nullptr) return errno != 0 ? SystemErrorText(errno) : "can not open it";
  std::fclose(opened);
  if (!existed) std::filesystem::remove(file, ignored);
  return std::nullopt;
}

std::optional<std::string> WhyNotReplaceable(const std::filesystem::path& file) {
  std::error_code ignored;
  if (DeviceIsFull(std::filesystem::absolute(file, ignored).parent_path())) {
    return SystemErrorText(ENOSPC);
  }
  if (std::filesystem::is_directory(file, ignored)) return std::string("it is a folder");
  std::filesystem::path partial = file;
  partial += stats::kPartialFileExtension;
  if (auto why = WhyNotWritable(partial)) return why;
  return std::filesystem::exists(file, ignored) ? WhyNotWritable(file) : std::nullopt;
}

}  // namespace host
