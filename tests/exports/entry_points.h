#pragma once

// The plug-in's entry points, resolved by plain name, with helpers that call
// them with the host's full argument lists. Unused positions carry values a
// host might pass, so that a shifted argument would show.

#include <ctime>
#include <string>

#include "stats/public/exports.h"
#include "tests/support/plugin_library.h"
#include "tests/support/qso_builder.h"

namespace stats::testing {

struct EntryPoints {
  explicit EntryPoints(const PluginLibrary& library)
      : getNumberOfSets(library.Get<GetNumberOfSetsFn>("GetNumberOfSets")),
        getSetName(library.Get<GetSetNameFn>("GetSetName")),
        setupSet(library.Get<SetupSet0Fn>("SetupSet0")),
        resetStats(library.Get<ResetStats0Fn>("ResetStats0")),
        addData(library.Get<QsoDataFn>("AddData0")),
        removeData(library.Get<QsoDataFn>("RemoveData0")),
        getResult(library.Get<GetResult0Fn>("GetResult0")),
        checkCall(library.Get<CheckCall0Fn>("CheckCall0")),
        getExchgCount(library.Get<GetExchgCount0Fn>("GetExchgCount0")),
        isValidExchg(library.Get<IsValidExchg0Fn>("IsValidExchg0")) {}

  int Reset(int reportMode, const char* call, const StatsDateTime* date) const {
    const StatsDateTime other = HostDate(1.5);
    return resetStats("x1", reportMode, call, &other, date, "x6", "x7", "x8", "x9", "x10", "x11",
                      "x12", "x13", "x14", "x15", -16, -17, -18, 19.5, 20.5, "x21", "x22", "x23");
  }

  int Qso(QsoDataFn function, const TestQso& qso) const {
    const StatsDateTime time = HostDate(qso.date, qso.status);
    const StatsDateTime other = HostDate(2.5, kStatsDateInvalid);
    return function(qso.ownCall.c_str(), qso.call.c_str(), &time, &other, &other, &other,
                    0xFFFFFFFFu, qso.frequencyHz, qso.mode.c_str(), qso.rstSent.c_str(),
                    qso.rstReceived.c_str(), qso.exchangeSent.c_str(), qso.exchangeReceived.c_str(),
                    "x14", "x15", "x16", "x17", "x18", "x19", "x20", "x21", "x22", "x23", -24, -25,
                    -26, 27.5, 28.5, "x29", "x30", "x31", qso.band.c_str(), "x33");
  }
  int Add(const TestQso& qso) const { return Qso(addData, qso); }
  int Remove(const TestQso& qso) const { return Qso(removeData, qso); }

  int Check(const char* call, const char* mode, const char* aux, const char* band,
            char* buffer) const {
    char other[64] = "untouched";
    return checkCall(call, 2u, 3u, mode, "x5", "x6", "x7", "x8", "x9", "x10", "x11", "x12", "x13",
                     aux, -15, -16, -17, 18.5, 19.5, "x20", "x21", "x22", "x23", "x24", band, "x26",
                     other, buffer);
  }

  GetNumberOfSetsFn getNumberOfSets;
  GetSetNameFn getSetName;
  SetupSet0Fn setupSet;
  ResetStats0Fn resetStats;
  QsoDataFn addData;
  QsoDataFn removeData;
  GetResult0Fn getResult;
  CheckCall0Fn checkCall;
  GetExchgCount0Fn getExchgCount;
  IsValidExchg0Fn isValidExchg;
};

// The current UTC hour and an OLE date in it, today.
struct NowInUtc {
  int hour = 0;
  double date = 0;
};

inline NowInUtc CurrentUtc() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
#if defined(_WIN32)
  gmtime_s(&utc, &now);
#else
  gmtime_r(&now, &utc);
#endif
  return NowInUtc{utc.tm_hour, OleDate(utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour,
                                       utc.tm_min, utc.tm_sec)};
}

}  // namespace stats::testing
