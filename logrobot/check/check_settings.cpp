#include "logrobot/check/check_settings.h"

#include <algorithm>
#include <charconv>
#include <nlohmann/json.hpp>
#include <regex>

namespace logrobot {
namespace {

std::optional<int> Number(const std::string& text, int fallback, int lowest, int highest) {
  if (text.empty()) return fallback;
  int value = 0;
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
  if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size() || value < lowest ||
      value > highest) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<CheckSettings> ParseCheckSettings(const std::string& window,
                                                const std::string& minLogs, bool countUniques,
                                                const std::string& bands,
                                                const std::string& penalties, bool lateCount) {
  static const std::regex kBands(R"(([0-9]+(\.[0-9]+)?(c?m)?)(,[0-9]+(\.[0-9]+)?(c?m)?)*)");
  static const std::regex kPenalties(R"([a-z-]+=[0-9]{1,6}(,[a-z-]+=[0-9]{1,6})*)");
  CheckSettings settings;
  const auto windowMinutes = Number(window, settings.windowMinutes, 0, 24 * 60);
  const auto logs = Number(minLogs, settings.minLogs, 1, 1000000);
  if (!windowMinutes || !logs || bands.size() > 200 || penalties.size() > 200 ||
      (!bands.empty() && !std::regex_match(bands, kBands)) ||
      (!penalties.empty() && !std::regex_match(penalties, kPenalties))) {
    return std::nullopt;
  }
  settings.windowMinutes = *windowMinutes;
  settings.minLogs = *logs;
  settings.countUniques = countUniques;
  settings.bands = bands;
  settings.penalties = penalties;
  settings.late = lateCount ? LateLogs::kCount : LateLogs::kLeaveOut;
  return settings;
}

std::vector<std::string> CrosscheckOptions(const CheckSettings& settings) {
  std::vector<std::string> options = {"--window=" + std::to_string(settings.windowMinutes),
                                      "--min-logs=" + std::to_string(settings.minLogs)};
  if (settings.countUniques) options.push_back("--count-uniques");
  if (!settings.bands.empty()) options.push_back("--bands=" + settings.bands);
  if (!settings.penalties.empty()) options.push_back("--penalty=" + settings.penalties);
  return options;
}

std::string SettingsJson(const CheckSettings& settings) {
  return nlohmann::json{
      {"window", settings.windowMinutes},       {"min_logs", settings.minLogs},
      {"count_uniques", settings.countUniques}, {"bands", settings.bands},
      {"penalties", settings.penalties},        {"late_count", settings.late == LateLogs::kCount}}
      .dump();
}

std::optional<CheckSettings> SettingsOfJson(const std::string& json) {
  try {
    const nlohmann::json object = nlohmann::json::parse(json);
    return ParseCheckSettings(
        std::to_string(object.at("window").get<int>()),
        std::to_string(object.at("min_logs").get<int>()), object.at("count_uniques").get<bool>(),
        object.at("bands").get<std::string>(), object.at("penalties").get<std::string>(),
        object.at("late_count").get<bool>());
  } catch (const nlohmann::json::exception&) {
    return std::nullopt;
  }
}

}  // namespace logrobot
