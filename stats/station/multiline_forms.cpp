#include "stats/station/multiline_forms.h"

#include "stats/station/replace_all.h"

namespace stats {
namespace {

constexpr std::string_view kCrMark = "<CR>";
constexpr std::string_view kLfMark = "<LF>";

}  // namespace

std::string EditToSettingsForm(std::string_view edit) {
  return ReplaceAll(ReplaceAll(edit, "\r", kCrMark), "\n", kLfMark);
}

std::string SettingsToEditForm(std::string_view settings) {
  return ReplaceAll(ReplaceAll(settings, kCrMark, "\r"), kLfMark, "\n");
}

std::string SettingsToCabrilloForm(std::string_view settings, std::string_view tag) {
  std::string lineBreak = "\r\n";
  lineBreak += tag;
  return ReplaceAll(ReplaceAll(settings, kCrMark, lineBreak), kLfMark, "");
}

std::string EditToCabrilloForm(std::string_view edit, std::string_view tag) {
  return SettingsToCabrilloForm(EditToSettingsForm(edit), tag);
}

}  // namespace stats
