#include "stats-host/run/loaded_plugin.h"

namespace stats_host {
namespace {

constexpr const char* kNone = "";

StatsDateTime ValidDate(double date) { return StatsDateTime{date, kStatsDateValid, 0}; }

}  // namespace

LoadedPlugin::LoadedPlugin(const std::filesystem::path& path)
    : library_(path),
      resetStats_(EntryPoint<ResetStats0Fn>(library_, "ResetStats0")),
      addData_(EntryPoint<QsoDataFn>(library_, "AddData0")),
      getResult_(EntryPoint<GetResult0Fn>(library_, "GetResult0")) {}

void LoadedPlugin::Reset(bool writeCabrillo, const std::string& contestantCall,
                         const std::optional<logs::QsoDate>& contestDate) {
  const StatsDateTime none{0.0, kStatsDateNull, 0};
  const StatsDateTime contestDay = contestDate ? ValidDate(logs::ToOleDate(*contestDate, 0)) : none;
  resetStats_(kNone, writeCabrillo ? 1 : 0, contestantCall.c_str(), &none, &contestDay, kNone,
              kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, 0, 0, 0, 0.0, 0.0,
              kNone, kNone, kNone);
}

bool LoadedPlugin::Add(const logs::HostQso& qso) {
  const StatsDateTime qsoTime = ValidDate(logs::ToOleDate(qso.date, qso.secondOfDay));
  const StatsDateTime none{0.0, kStatsDateNull, 0};
  return addData_(qso.ownCall.c_str(), qso.call.c_str(), &qsoTime, &none, &none, &none, 0,
                  qso.frequencyHz, qso.mode.c_str(), qso.rstSent.c_str(), qso.rstReceived.c_str(),
                  qso.exchangeSent.c_str(), qso.exchangeReceived.c_str(), kNone, kNone, kNone,
                  kNone, kNone, kNone, kNone, kNone, kNone, kNone, 0, 0, 0, 0.0, 0.0, kNone, kNone,
                  kNone, qso.band.c_str(), kNone) != 0;
}

PluginResult LoadedPlugin::Result() {
  PluginResult result;
  const char* const text = getResult_(&result.score);
  result.summaryText = text == nullptr ? std::string() : std::string(text);
  return result;
}

}  // namespace stats_host
