#include "host/run/output_check.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string_view>
#include <system_error>

#include "stats/platform/profile_file.h"
#include "stats/public/plugin_names.h"

namespace host {
namespace {

bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace

std::optional<std::string> WhyNotWritable(const std::filesystem::path& file) {
  std::error_code ignored;
  const bool existed = std::filesystem::exists(file, ignored);
  errno = 0;
  std::FILE* opened = std::fopen(file.string().c_str(), "ab");
  if (opened == nullptr) return std::string(errno != 0 ? std::strerror(errno) : "can not open it");
  std::fclose(opened);
  if (!existed) std::filesystem::remove(file, ignored);
  return std::nullopt;
}

std::optional<std::string> WhyNotReplaceable(const std::filesystem::path& file) {
  std::error_code ignored;
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
  if (!ReadLine(file, line) || line != stats::kProblemLogBanner) return std::nullopt;
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
