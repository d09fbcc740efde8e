#include "stats/station/station_log.h"

#include <array>

#include "stats/station/cabrillo_writer.h"
#include "stats/station/file_base_name.h"
#include "stats/station/multiline_forms.h"
#include "stats/station/settings_keys.h"

namespace stats {
namespace {

// The dialog's texts and the fields they come from and go back to, in the
// order they are taken back on OK. CLAIMED is shown but never taken back.
struct FormField {
  std::string StationDetailsForm::*text;
  std::string StationLog::*field;
  bool takenBackOnOk;
};

constexpr std::array<FormField, 10> kFormFields{{
    {&StationDetailsForm::callSign, &StationLog::callSign, true},
    {&StationDetailsForm::operators, &StationLog::operators, true},
    {&StationDetailsForm::category, &StationLog::category, true},
    {&StationDetailsForm::name, &StationLog::name, true},
    {&StationDetailsForm::address, &StationLog::address, true},
    {&StationDetailsForm::contest, &StationLog::contest, true},
    {&StationDetailsForm::email, &StationLog::email, true},
    {&StationDetailsForm::club, &StationLog::club, true},
    {&StationDetailsForm::soapbox, &StationLog::soapbox, true},
    {&StationDetailsForm::claimed, &StationLog::claimed, false},
}};

// Steps of EditStationDetails, each over the settings table.
void LoadSettings(StationLog& log, Platform& platform, std::string_view hostCall) {
  const std::string path(kSettingsPath);
  const std::string section(kSettingsSection);
  for (const SettingsKey& key : kSettingsKeys) {
    std::string& value = log.*key.field;
    if (key.atReset == AtReset::kFixed) {
      value = key.fixedValue;
      continue;
    }
    const std::string defaultValue(key.atReset == AtReset::kReadOrHostCall ? hostCall : "");
    value = platform.ReadProfileValue(section, std::string(key.key), defaultValue, path,
                                      kSettingsReadBufferSize);
    if (!key.cabrilloTag.empty()) value = SettingsToEditForm(value);
  }
}

void StoreSettings(const StationLog& log, Platform& platform) {
  const std::string path(kSettingsPath);
  const std::string section(kSettingsSection);
  for (const SettingsKey& key : kSettingsKeys) {
    if (key.writtenOnOk) {
      platform.WriteProfileValue(section, std::string(key.key), log.*key.field, path);
    }
  }
}

void MultiLineToSettingsForm(StationLog& log) {
  for (const SettingsKey& key : kSettingsKeys) {
    if (!key.cabrilloTag.empty()) log.*key.field = EditToSettingsForm(log.*key.field);
  }
}

void MultiLineToCabrilloForm(StationLog& log) {
  for (const SettingsKey& key : kSettingsKeys) {
    if (!key.cabrilloTag.empty()) {
      log.*key.field = SettingsToCabrilloForm(log.*key.field, key.cabrilloTag);
    }
  }
}

}  // namespace

void StationLog::EditStationDetails(Platform& platform, std::string_view hostCall) {
  callSign = hostCall;
  fileBaseName = FileBaseName(hostCall);
  LoadSettings(*this, platform, hostCall);

  StationDetailsForm form;
  for (const FormField& field : kFormFields) form.*field.text = this->*field.field;
  const bool confirmed = platform.EditStationDetails(form);
  if (confirmed) {
    for (const FormField& field : kFormFields) {
      if (field.takenBackOnOk) this->*field.field = form.*field.text;
    }
  }

  MultiLineToSettingsForm(*this);
  if (confirmed) {
    StoreSettings(*this, platform);
    ClearQsoLines();
  }
  // Confirmed or not, the Cabrillo writer finds every line of these fields tagged.
  MultiLineToCabrilloForm(*this);
}

void StationLog::AddQsoLine(const QsoRecord& qso) {
  qsoLines.push_back(FormatQsoLine(callSign, qso));
}

void StationLog::WriteCabrilloFile(Platform& platform, std::int32_t claimedScore) {
  const std::string score = std::to_string(claimedScore);
  const CabrilloHeader header{callSign, category,  score, club,   name,
                              address,  operators, email, soapbox};
  // The name comes from a reset; without one the log still gets a usable name.
  const std::string baseName =
      fileBaseName.empty() ? std::string(kFallbackFileBaseName) : fileBaseName;
  WriteCabrilloLog(platform, baseName + std::string(kCabrilloExtension), header, qsoLines);
}

}  // namespace stats
