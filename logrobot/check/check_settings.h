#pragma once

// How the committee wants the logs checked: crosscheck's options, set on the
// committee's page, and whether late logs count. Each value is checked here,
// so that only what crosscheck takes reaches its command line.

#include <optional>
#include <string>
#include <vector>

#include "logrobot/check/counting_logs.h"

namespace logrobot {

struct CheckSettings {
  int windowMinutes = 3;
  int minLogs = 3;
  bool countUniques = false;
  std::string bands;      // "160,80,40"; empty: all
  std::string penalties;  // "nil=1,busted-call=2"
  LateLogs late = LateLogs::kLeaveOut;
};

// The settings from the committee's form fields (absent ones at their
// defaults); nothing when a value is not one crosscheck takes.
std::optional<CheckSettings> ParseCheckSettings(const std::string& window,
                                                const std::string& minLogs, bool countUniques,
                                                const std::string& bands,
                                                const std::string& penalties, bool lateCount);

// crosscheck's options for them ("--window=3", ...).
std::vector<std::string> CrosscheckOptions(const CheckSettings& settings);

// The settings as the store keeps them with the check (JSON), and back;
// nothing for a text that SettingsJson did not write.
std::string SettingsJson(const CheckSettings& settings);
std::optional<CheckSettings> SettingsOfJson(const std::string& json);

}  // namespace logrobot
