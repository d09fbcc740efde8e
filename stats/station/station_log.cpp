#include "stats/station/station_log.h"

#include "stats/public/plugin_names.h"
#include "stats/rules/file_base_name.h"
#include "stats/station/cabrillo_writer.h"
#include "stats/station/multiline_forms.h"
#include "stats/station/station_fields.h"

namespace stats {
namespace {

// The details a reset offers: from the settings file, the host's call sign or
// the fixed texts.
StationDetailsForm LoadDetails(Platform& platform, std::string_view hostCall) {
  const std::string path(kSettingsPath);
  const std::string section(kSettingsSection);
  StationDetailsForm details;
  for (const StationField& field : kStationFields) {
    std::string& value = details.*field.text;
    switch (field.atReset) {
      case AtReset::kHostCall:
        value = hostCall;
        break;
      case AtReset::kFixed:
        value = field.fixedValue;
        break;
      case AtReset::kReadOrHostCall:
      case AtReset::kReadOrEmpty: {
        const std::string defaultValue(field.atReset == AtReset::kReadOrHostCall ? hostCall : "");
        value = platform.ReadProfileValue(section, std::string(field.settingsKey), defaultValue,
                                          path, kSettingsReadBufferSize);
        if (field.lines == Lines::kSeveral) value = SettingsToEditForm(value);
        break;
      }
    }
  }
  return details;
}

void StoreDetails(const StationDetailsForm& details, Platform& platform) {
  const std::string path(kSettingsPath);
  const std::string section(kSettingsSection);
  for (const StationField& field : kStationFields) {
    if (!field.takenBackOnOk || field.settingsKey.empty()) continue;
    const std::string& value = details.*field.text;
    platform.WriteProfileValue(section, std::string(field.settingsKey),
                               field.lines == Lines::kSeveral ? EditToSettingsForm(value) : value,
                               path);
  }
}

}  // namespace

void StationLog::EditStationDetails(Platform& platform, std::string_view hostCall) {
  fileBaseName = FileBaseName(hostCall);
  details = LoadDetails(platform, hostCall);
  StationDetailsForm form = details;
  if (!platform.EditStationDetails(form)) return;
  for (const StationField& field : kStationFields) {
    if (field.takenBackOnOk) details.*field.text = std::move(form.*field.text);
  }
  StoreDetails(details, platform);
}

void StationLog::StoreClaimedScore(Platform& platform, std::int32_t score) {
  platform.WriteProfileValue(std::string(kSettingsSection), std::string(kClaimedKey),
                             std::to_string(score), std::string(kSettingsPath));
}

void StationLog::WriteCabrilloFile(Platform& platform, std::int32_t claimedScore,
                                   const QsoStore& store) {
  // The name comes from a reset; without one the log still gets a usable name.
  const std::string baseName =
      fileBaseName.empty() ? std::string(kFallbackFileBaseName) : fileBaseName;
  WriteCabrilloLog(platform, baseName + std::string(kCabrilloExtension), details, claimedScore,
                   store.All());
}

}  // namespace stats
