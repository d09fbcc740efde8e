#include "host/output_check.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string_view>
#include <system_error>

#include "stats/problem_log.h"
#include "stats/profile_file.h"
#include "stats/station/station_fields.h"

namespace host {
namespace {

// The banner line without its line end.
constexpr std::string_view kBannerLine =
    stats::kProblemLogBanner.substr(0, stats::kProblemLogBanner.size() - 1);

bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace

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
  partial += ".tmp";
  if (auto why = WhyNotWritable(partial)) return why;
  return std::filesystem::exists(file, ignored) ? WhyNotWritable(file) : std::nullopt;
}

std::optional<std::vector<std::string>> ProblemLinesFor(const std::filesystem::path& problemLog,
                                                        const std::vector<std::string>& calls) {
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(problemLog, ignored)) return std::nullopt;
  std::ifstream file(problemLog, std::ios::binary);
  std::string line;
  if (!ReadLine(file, line) || line != kBannerLine) return std::nullopt;
  std::vector<std::string> lines;
  lines.reserve(calls.size());
  while (ReadLine(file, line)) {
    if (lines.size() == calls.size()) return std::nullopt;
    if (line.find("  " + calls[lines.size()] + "  ") == std::string::npos) return std::nullopt;
    lines.push_back(line);
  }
  if (file.bad() || lines.size() != calls.size()) return std::nullopt;
  return lines;
}

bool HoldsClaimedScore(const std::filesystem::path& settingsFile, long long score) {
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(settingsFile, ignored)) return false;
  constexpr std::size_t kLongEnough = 64;  // any score, with room to tell a longer value
  return stats::ReadProfileFile(settingsFile.generic_string(), std::string(stats::kSettingsSection),
                                std::string(stats::kClaimedKey), "",
                                kLongEnough) == std::to_string(score);
}

}  // namespace host
