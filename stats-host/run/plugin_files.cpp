#include "stats-host/run/plugin_files.h"

#include <fstream>
#include <string_view>
#include <system_error>

#include "logs/text/ascii.h"
#include "stats/public/cabrillo_layout.h"
#include "stats/public/plugin_names.h"

namespace stats_host {
namespace {

bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool IsPlainFile(const std::filesystem::path& file) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(file, ignored);
}

bool SameName(std::string_view a, std::string_view b) {
  return logs::LowerCopy(a) == logs::LowerCopy(b);
}

}  // namespace

std::optional<std::vector<std::string>> ProblemLinesFor(const std::filesystem::path& problemLog,
                                                        const std::vector<std::string>& calls) {
  if (!IsPlainFile(problemLog)) return std::nullopt;
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
  if (!IsPlainFile(settingsFile)) return false;
  std::ifstream file(settingsFile, std::ios::binary);
  bool inSection = false;
  std::string line;
  while (ReadLine(file, line)) {
    const std::string_view text = logs::Trimmed(line);
    if (text.starts_with('[')) {
      const auto close = text.find(']');
      inSection = close != std::string_view::npos &&
                  SameName(logs::Trimmed(text.substr(1, close - 1)), stats::kSettingsSection);
      continue;
    }
    const auto equals = text.find('=');
    if (!inSection || text.starts_with(';') || equals == std::string_view::npos) continue;
    if (SameName(logs::Trimmed(text.substr(0, equals)), stats::kClaimedKey)) {
      return logs::Trimmed(text.substr(equals + 1)) == std::to_string(score);
    }
  }
  return false;
}

bool HoldsWholeCabrilloLog(const std::filesystem::path& cabrilloLog) {
  if (!IsPlainFile(cabrilloLog)) return false;
  std::ifstream file(cabrilloLog, std::ios::binary);
  std::string line;
  if (!ReadLine(file, line) || line != stats::kCabrilloFirstLine) return false;
  const std::string ending = std::string(stats::kCabrilloLastLine) + "\r\n";
  file.clear();
  file.seekg(-static_cast<std::streamoff>(ending.size()), std::ios::end);
  std::string tail(ending.size(), '\0');
  return file.read(tail.data(), static_cast<std::streamsize>(tail.size())) && tail == ending;
}

}  // namespace stats_host
