#pragma once

// The ten station details, one row each: the form field that holds it, its key
// in the settings file, what a reset puts into it, whether the operator's
// change is kept, and how the dialog and the portable build's text prompt show
// it. The rows stand in the order of the keys in the settings file, the order
// in which they are read at a reset and written on OK.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "stats/platform/platform.h"
#include "stats/public/plugin_names.h"
#include "stats/resources/resource.h"

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

// How a field is edited: one line; several lines, with CR LF between them in
// the form and escaped in the settings file; the category box, a choice from
// the list or a text of its own.
enum class FieldKind { kLine, kLines, kCategory };

struct StationField {
  std::string StationDetailsForm::*text;
  std::string_view settingsKey;
  AtReset atReset;
  std::string_view fixedValue;
  bool takenBackOnOk;  // false: shown only, so never written on OK either
  FieldKind kind;
  int controlId;           // the dialog's control
  std::string_view label;  // the dialog's label, shown by the text prompt too
  int dialogRow;           // 0 at the top of the dialog: the text prompt's order
};

// clang-format off
inline constexpr std::array<StationField, 10> kStationFields{{
//   form field                       settings key  at a reset                fixed value       taken back  kind                  control        label        row
    {&StationDetailsForm::operators,  kOperatorsKey, AtReset::kReadOrHostCall, {},               true,       FieldKind::kLine,     IDC_OPERATORS, "OPERATORS", 6},
    {&StationDetailsForm::name,       kNameKey,     AtReset::kReadOrEmpty,    {},               true,       FieldKind::kLine,     IDC_NAME,      "NAME",      4},
    {&StationDetailsForm::address,    kAddressKey,  AtReset::kReadOrEmpty,    {},               true,       FieldKind::kLines,    IDC_ADDRESS,   "ADDRESS",   5},
    {&StationDetailsForm::claimed,    kClaimedKey,  AtReset::kReadOrEmpty,    {},               false,      FieldKind::kLine,     IDC_CLAIMED,   "CLAIMED",   2},
    {&StationDetailsForm::category,   kCategoryKey, AtReset::kFixed,          kDefaultCategory, true,       FieldKind::kCategory, IDC_CATEGORY,  "CATEGORY",  3},
    {&StationDetailsForm::contest,    kContestKey,  AtReset::kFixed,          kDefaultContest,  true,       FieldKind::kLine,     IDC_CONTEST,   "CONTEST",   0},
    {&StationDetailsForm::email,      kEmailKey,    AtReset::kReadOrEmpty,    {},               true,       FieldKind::kLine,     IDC_EMAIL,     "E-MAIL",    9},
    {&StationDetailsForm::club,       kClubKey,     AtReset::kReadOrEmpty,    {},               true,       FieldKind::kLine,     IDC_CLUB,      "CLUB",      7},
    {&StationDetailsForm::soapbox,    kSoapBoxKey,  AtReset::kReadOrEmpty,    {},               true,       FieldKind::kLines,    IDC_SOAPBOX,   "SOAPBOX",   8},
    {&StationDetailsForm::callSign,   {},           AtReset::kHostCall,       {},               true,       FieldKind::kLine,     IDC_CALLSIGN,  "CALLSIGN",  1},
}};
// clang-format on

static_assert(
    [] {
      std::array<bool, kStationFields.size()> taken{};
      for (const StationField& field : kStationFields) {
        const auto row = static_cast<std::size_t>(field.dialogRow);
        if (row >= taken.size() || taken[row]) return false;
        taken[row] = true;
      }
      return true;
    }(),
    "each dialog row shows one field");

// Whether the form field `text` holds several lines.
constexpr bool IsMultiLine(std::string StationDetailsForm::*text) noexcept {
  for (const StationField& field : kStationFields) {
    if (field.text == text) return field.kind == FieldKind::kLines;
  }
  return false;
}

}  // namespace stats
