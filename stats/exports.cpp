// The entry points the host calls. Each one reads the arguments that matter
// (a null text is an empty text, a null date a null date-time), forwards to the
// one Contest of this process inside a catch-all guard, and returns the
// contest's result; nothing thrown ever reaches the host.

#include "stats/public/exports.h"

#include <memory>

#include "stats/contest.h"
#include "stats/platform/platform.h"
#include "stats/public/plugin_names.h"
#include "stats/rules/exchange.h"
#include "stats/text.h"

namespace {

// The plug-in's process-wide state: made by the first entry point that needs
// it, destroyed when the library is unloaded.
struct PluginState {
  std::unique_ptr<stats::Platform> platform = stats::MakeSystemPlatform();
  stats::Contest contest{*platform};
};

PluginState& State() {
  static PluginState state;
  return state;
}

template <typename Result, typename Body>
Result Guarded(Result fallback, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}

stats::Qso ReadQso(const char* ownCall, const char* call, const StatsDateTime* qsoTime,
                   unsigned int frequencyHz, const char* mode, const char* rstSent,
                   const char* rstReceived, const char* exchangeSent, const char* exchangeReceived,
                   const char* band) {
  stats::Qso qso;
  qso.ownCall = stats::HostText(ownCall);
  qso.call = stats::HostText(call);
  qso.qsoTime = stats::ReadHostDateTime(qsoTime);
  qso.frequencyHz = frequencyHz;
  qso.mode = stats::HostText(mode);
  qso.rstSent = stats::HostText(rstSent);
  qso.rstReceived = stats::HostText(rstReceived);
  qso.exchangeSent = stats::HostText(exchangeSent);
  qso.exchangeReceived = stats::HostText(exchangeReceived);
  qso.band = stats::HostText(band);
  return qso;
}

constexpr char kEmptyText[] = "";
constexpr char kSetupNotice[] = "No additional setup for this contest";

}  // namespace

extern "C" {

int STATS_CALL GetNumberOfSets(void) { return 1; }

const char* STATS_CALL GetSetName(int setIndex) {
  return setIndex == 0 ? stats::kSetName : kEmptyText;
}

void STATS_CALL SetupSet0(void) {
  Guarded(0, [] {
    State().platform->ShowMessage(kSetupNotice);
    return 0;
  });
}

int STATS_CALL ResetStats0(const char*, int reportMode, const char* contestantCall,
                           const StatsDateTime*, const StatsDateTime* contestDateTime, const char*,
                           const char*, const char*, const char*, const char*, const char*,
                           const char*, const char*, const char*, const char*, int, int, int,
                           double, double, const char*, const char*, const char*) {
  return Guarded(1, [&] {
    return State().contest.Reset(reportMode, stats::HostText(contestantCall),
                                 stats::ReadHostDateTime(contestDateTime));
  });
}

int STATS_CALL AddData0(const char* ownCall, const char* call, const StatsDateTime* qsoTime,
                        const StatsDateTime*, const StatsDateTime*, const StatsDateTime*,
                        unsigned int, unsigned int frequencyHz, const char* mode,
                        const char* rstSent, const char* rstReceived, const char* exchangeSent,
                        const char* exchangeReceived, const char*, const char*, const char*,
                        const char*, const char*, const char*, const char*, const char*,
                        const char*, const char*, int, int, int, double, double, const char*,
                        const char*, const char*, const char* band, const char*) {
  return Guarded(0, [&] {
    return State().contest.AddQso(ReadQso(ownCall, call, qsoTime, frequencyHz, mode, rstSent,
                                          rstReceived, exchangeSent, exchangeReceived, band));
  });
}

int STATS_CALL RemoveData0(const char* ownCall, const char* call, const StatsDateTime* qsoTime,
                           const StatsDateTime*, const StatsDateTime*, const StatsDateTime*,
                           unsigned int, unsigned int frequencyHz, const char* mode,
                           const char* rstSent, const char* rstReceived, const char* exchangeSent,
                           const char* exchangeReceived, const char*, const char*, const char*,
                           const char*, const char*, const char*, const char*, const char*,
                           const char*, const char*, int, int, int, double, double, const char*,
                           const char*, const char*, const char* band, const char*) {
  return Guarded(0, [&] {
    return State().contest.RemoveQso(ReadQso(ownCall, call, qsoTime, frequencyHz, mode, rstSent,
                                             rstReceived, exchangeSent, exchangeReceived, band));
  });
}

const char* STATS_CALL GetResult0(int* score) {
  return Guarded<const char*>(kEmptyText, [&] { return State().contest.GetResult(score); });
}

int STATS_CALL CheckCall0(const char* call, unsigned int, unsigned int, const char* mode,
                          const char*, const char*, const char*, const char*, const char*,
                          const char*, const char*, const char*, const char*, const char* auxText,
                          int, int, int, double, double, const char*, const char*, const char*,
                          const char*, const char*, const char* band, const char*, char*,
                          char* messageBuffer) {
  return Guarded(2, [&] {
    return State().contest.CheckCall(stats::HostText(call), stats::HostText(mode),
                                     stats::HostText(auxText), stats::HostText(band),
                                     messageBuffer);
  });
}

int STATS_CALL GetExchgCount0(const char*, const char*, const char*) { return 1; }

int STATS_CALL IsValidExchg0(const char* exchange, const char*, const char*, const char*, int, int,
                             int forceInvalid) {
  return Guarded(0, [&] {
    return forceInvalid == 0 && stats::IsValidExchange(stats::HostText(exchange)) ? 1 : 0;
  });
}

}  // extern "C"
