#include "host/run/output_check.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "stats/public/plugin_names.h"

namespace host {
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

std::optional<std::string> WhyNotWritable(const std::filesystem::path& file,
                                          const RunTexts& texts) {
  std::error_code ignored;
  const bool existed = std::filesystem::exists(file, ignored);
  errno = 0;
  std::FILE* opened = OpenToAppend(file);
  if (opened == nullptr) {
    return std::string(errno != 0 ? std::strerror(errno) : texts.cannotOpen);
  }
  std::fclose(opened);
  if (!existed) std::filesystem::remove(file, ignored);
  return std::nullopt;
}

std::optional<std::string> WhyNotReplaceable(const std::filesystem::path& file,
                                             const RunTexts& texts) {
  std::error_code ignored;
  if (std::filesystem::is_directory(file, ignored)) return std::string(texts.isAFolder);
  std::filesystem::path partial = file;
  partial += stats::kPartialFileExtension;
  if (auto why = WhyNotWritable(partial, texts)) return why;
  return std::filesystem::exists(file, ignored) ? WhyNotWritable(file, texts) : std::nullopt;
}

}  // namespace host
