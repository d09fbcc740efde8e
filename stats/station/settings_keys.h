#pragma once

// The station details kept in the settings file, one row per key, in the order
// the keys are read at a reset and written on OK (Claimed is only read,
// Category and Contest only written, so one order serves both).

#include <array>
#include <string>
#include <string_view>

#include "stats/station/multiline_forms.h"
#include "stats/station/station_log.h"

namespace stats {

inline constexpr std::string_view kSettingsPath = "Plugins\\ZORVA.ini";
inline constexpr std::string_view kSettingsSection = "Settings";
// Written by every result computation; shown in the dialog, never taken back.
inline constexpr std::string_view kClaimedKey = "Claimed";
// Values are read as into a buffer of this many characters: 9999 are taken.
inline constexpr std::size_t kSettingsReadBufferSize = 10000;

enum class AtReset {
  kReadOrHostCall,  // read from the file; the host's call sign when missing
  kReadOrEmpty,     // read from the file; empty when missing
  kFixed,           // never read: set to `fixedValue`
};

struct SettingsKey {
  std::string_view key;
  std::string StationLog::*field;
  AtReset atReset;
  std::string_view fixedValue;
  bool writtenOnOk;
  std::string_view cabrilloTag;  // multi-line fields only: kept in settings form in the file
};

inline constexpr std::string_view kDefaultCategory = "SOAB-CW-LP";
inline constexpr std::string_view kDefaultContest = "KESDRA VELK";

inline constexpr std::array<SettingsKey, 9> kSettingsKeys{{
    {"Operators", &StationLog::operators, AtReset::kReadOrHostCall, {}, true, {}},
    {"Name", &StationLog::name, AtReset::kReadOrEmpty, {}, true, {}},
    {"Address", &StationLog::address, AtReset::kReadOrEmpty, {}, true, kAddressTag},
    {kClaimedKey, &StationLog::claimed, AtReset::kReadOrEmpty, {}, false, {}},
    {"Category", &StationLog::category, AtReset::kFixed, kDefaultCategory, true, {}},
    {"Contest", &StationLog::contest, AtReset::kFixed, kDefaultContest, true, {}},
    {"Email", &StationLog::email, AtReset::kReadOrEmpty, {}, true, {}},
    {"Club", &StationLog::club, AtReset::kReadOrEmpty, {}, true, {}},
    {"SoapBox", &StationLog::soapbox, AtReset::kReadOrEmpty, {}, true, kSoapboxTag},
}};

}  // namespace stats
