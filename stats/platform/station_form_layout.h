#pragma once

// How the station-details dialog (dialog template 101) and the portable
// build's text prompt show the ten fields: each field's control and label, its
// row from the top, and how it is edited. The category box offers the
// contest's entry categories (stats/rules/entry_category.h).
// The fields stand in the order of the form's members, the order of the
// dialog's data exchange.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "stats/platform/platform.h"
#include "stats/resources/resource.h"
#include "stats/rules/entry_category.h"

namespace stats {

// One line; several lines with CR LF between them; the category box, a choice
// from the list or a text of its own.
enum class FieldKind { kLine, kLines, kCategory };

struct FormField {
  std::string StationDetailsForm::*text;
  int controlId;
  std::string_view label;
  int row;  // 0 at the top of the dialog: the text prompt's order
  FieldKind kind;
};

// clang-format off
inline constexpr std::array<FormField, 10> kFormFields{{
//   form field                      control        label        row  kind
    {&StationDetailsForm::callSign,  IDC_CALLSIGN,  "CALLSIGN",  1,   FieldKind::kLine},
    {&StationDetailsForm::claimed,   IDC_CLAIMED,   "CLAIMED",   2,   FieldKind::kLine},
    {&StationDetailsForm::club,      IDC_CLUB,      "CLUB",      7,   FieldKind::kLine},
    {&StationDetailsForm::category,  IDC_CATEGORY,  "CATEGORY",  3,   FieldKind::kCategory},
    {&StationDetailsForm::contest,   IDC_CONTEST,   "CONTEST",   0,   FieldKind::kLine},
    {&StationDetailsForm::email,     IDC_EMAIL,     "E-MAIL",    9,   FieldKind::kLine},
    {&StationDetailsForm::name,      IDC_NAME,      "NAME",      4,   FieldKind::kLine},
    {&StationDetailsForm::operators, IDC_OPERATORS, "OPERATORS", 6,   FieldKind::kLine},
    {&StationDetailsForm::soapbox,   IDC_SOAPBOX,   "SOAPBOX",   8,   FieldKind::kLines},
    {&StationDetailsForm::address,   IDC_ADDRESS,   "ADDRESS",   5,   FieldKind::kLines},
}};
// clang-format on

static_assert(
    [] {
      std::array<bool, kFormFields.size()> taken{};
      for (const FormField& field : kFormFields) {
        const auto row = static_cast<std::size_t>(field.row);
        if (row >= taken.size() || taken[row]) return false;
        taken[row] = true;
      }
      return true;
    }(),
    "each row shows one field");

}  // namespace stats
