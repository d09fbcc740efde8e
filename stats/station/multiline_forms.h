#pragma once

// The three forms of the multi-line station details (address and soapbox):
//  - edit form: CR LF between lines, as a multi-line edit box holds them; the
//    details are kept in this form;
//  - settings form: every CR written as "<CR>" and every LF as "<LF>", so the
//    value fits on one line of the settings file;
//  - Cabrillo form: the settings form with every "<CR>" turned into a line end
//    followed by the field's tag, and every "<LF>" dropped. Written after the
//    tag and followed by a line end, it gives one tagged header line per line.

#include <string>
#include <string_view>

namespace stats {

std::string EditToSettingsForm(std::string_view edit);
std::string SettingsToEditForm(std::string_view settings);
std::string SettingsToCabrilloForm(std::string_view settings, std::string_view tag);
// The Cabrillo form of the settings form of `edit`.
std::string EditToCabrilloForm(std::string_view edit, std::string_view tag);

}  // namespace stats
