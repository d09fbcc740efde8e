#pragma once

// The ten station details, one row each: the form field that holds it, its key
// in the settings file, what a reset puts into it, whether the operator's
// change is kept, and whether it holds several lines. The rows stand in the
// order of the keys in the settings file, the order in which they are read at
// a reset and written on OK. How the dialog lays them out is the platform's
// (stats/platform/station_form_layout.h).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "stats/platform/platform.h"
#include "stats/public/plugin_names.h"

namespace stats {

// Values are read as into a buffer of this many characters: 9999 are taken.
inline constexpr std::size_t kSettingsReadBufferSize = 10000;

inline constexpr std::string_view kDefaultCategory = "SOAB-CW-LP";
inline constexpr std::string_view kDefaultContest = "KESDRA VELK";

enum class AtReset {
  kHostCall,        // the host's call sign; not kept in the settings file
  kReadOrHostCall,  // read from the file; the host's call sign when missing
  kReadOrEmpty,     // read from the file; empty when missing
  kFixed,           // never read: set to `fixedValue`
};

// A field of several lines has CR LF between them in the form and is escaped
// in the settings file and tagged line by line in the Cabrillo log
// (stats/station/multiline_forms.h).
enum class Lines { kOne, kSeveral };

struct StationField {
  std::string StationDetailsForm::*text;
  std::string_view settingsKey;
  AtReset atReset;
  std::string_view fixedValue;
  bool takenBackOnOk;  // false: shown only, so never written on OK either
  Lines lines;
};

// clang-format off
inline constexpr std::array<StationField, 10> kStationFields{{
//   form field                       settings key   at a reset                fixed value       taken back  lines
    {&StationDetailsForm::operators,  kOperatorsKey, AtReset::kReadOrHostCall, {},               true,       Lines::kOne},
    {&StationDetailsForm::name,       kNameKey,      AtReset::kReadOrEmpty,    {},               true,       Lines::kOne},
    {&StationDetailsForm::address,    kAddressKey,   AtReset::kReadOrEmpty,    {},               true,       Lines::kSeveral},
    {&StationDetailsForm::claimed,    kClaimedKey,   AtReset::kReadOrEmpty,    {},               false,      Lines::kOne},
    {&StationDetailsForm::category,   kCategoryKey,  AtReset::kFixed,          kDefaultCategory, true,       Lines::kOne},
    {&StationDetailsForm::contest,    kContestKey,   AtReset::kFixed,          kDefaultContest,  true,       Lines::kOne},
    {&StationDetailsForm::email,      kEmailKey,     AtReset::kReadOrEmpty,    {},               true,       Lines::kOne},
    {&StationDetailsForm::club,       kClubKey,      AtReset::kReadOrEmpty,    {},               true,       Lines::kOne},
    {&StationDetailsForm::soapbox,    kSoapBoxKey,   AtReset::kReadOrEmpty,    {},               true,       Lines::kSeveral},
    {&StationDetailsForm::callSign,   {},            AtReset::kHostCall,       {},               true,       Lines::kOne},
}};
// clang-format on

// Whether the form field `text` holds several lines.
constexpr bool IsMultiLine(std::string StationDetailsForm::*text) noexcept {
  for (const StationField& field : kStationFields) {
    if (field.text == text) return field.lines == Lines::kSeveral;
  }
  return false;
}

}  // namespace stats
