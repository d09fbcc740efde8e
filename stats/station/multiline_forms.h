#pragma once

// The three forms of the multi-line station details (address and soapbox):
//  - edit form: CR LF between lines, as a multi-line edit box holds them;
//  - settings form: every CR written as "<CR>" and every LF as "<LF>", so the
//    value fits on one line of the settings file;
//  - Cabrillo form: the settings form with every "<CR>" turned into a line end
//    followed by the field's tag, and every "<LF>" dropped. Written after the
//    tag and followed by a line end, it gives one tagged header line per line.

#include <string>
#include <string_view>

namespace stats {

inline constexpr std::string_view kAddressTag = "ADDRESS: ";
inline constexpr std::string_view kSoapboxTag = "SOAPBOX: ";

std::string EditToSettingsForm(std::string_view edit);
std::string SettingsToEditForm(std::string_view settings);
std::string SettingsToCabrilloForm(std::string_view settings, std::string_view tag);

}  // namespace stats
