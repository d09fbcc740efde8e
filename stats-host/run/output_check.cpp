#include "stats-host/run/output_check.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "stats/public/plugin_names.h"

namespace stats_host {
namespace {

// By the path's own characters: the wide call on Windows, where the narrow
// one knows only the ANSI code page.
std::FILE* OpenToAppend(const std::filesystem::path& file) {
#if defined(_WIN32)
  return ::_wfopen(file.c_str(), L"ab");
#else
  return std::fopen(file.c_str(), "ab");
#endif
}

}  // namespace

std::string SystemErrorText(int error, const RunTexts& texts) {
  return error == ENOSPC ? std::string(texts.noSpaceLeft) : std::strerror(error);
}

bool DeviceIsFull(const std::filesystem::path& folder) {
  std::error_code error;
  const std::filesystem::space_info space = std::filesystem::space(folder, error);
  return !error && space.available == 0;
}

std::optional<std::string> WhyNotWritable(const std::filesystem::path& file,
                                          const RunTexts& texts) {
  std::error_code ignored;
  const bool existed = std::filesystem::exists(file, ignored);
  errno = 0;
  std::FILE* opened = OpenToAppend(file);
  if (opened == nullptr) {
    return errno != 0 ? SystemErrorText(errno, texts) : std::string(texts.cannotOpen);
  }
  std::fclose(opened);
  if (!existed) std::filesystem::remove(file, ignored);
  return std::nullopt;
}

std::optional<std::string> WhyNotReplaceable(const std::filesystem::path& file,
                                             const RunTexts& texts) {
  std::error_code ignored;
  if (DeviceIsFull(std::filesystem::absolute(file, ignored).parent_path())) {
    return std::string(texts.noSpaceLeft);
  }
  if (std::filesystem::is_directory(file, ignored)) return std::string(texts.isAFolder);
  std::filesystem::path partial = file;
  partial += stats::kPartialFileExtension;
  if (auto why = WhyNotWritable(partial, texts)) return why;
  return std::filesystem::exists(file, ignored) ? WhyNotWritable(file, texts) : std::nullopt;
}

}  // namespace stats_host
