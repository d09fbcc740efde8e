#pragma once

// QSOs for tests, filled with plausible values that each test overrides.

#include <string>

#include "stats/qso.h"
#include "tests/support/ole_dates.h"

namespace stats::testing {

struct TestQso {
  std::string ownCall = "OWN1";
  std::string call = "DX2";
  double date = OleDate(2013, 2, 5, 9, 7);
  std::int32_t status = 0;
  unsigned frequencyHz = 7012345;
  std::string mode = "CW";
  std::string rstSent = "599";
  std::string rstReceived = "579";
  std::string exchangeSent = "001";
  std::string exchangeReceived = "123";
  std::string band = "40";

  // The QSO as the host's arguments give it.
  stats::Qso Arguments() const {
    stats::Qso qso;
    qso.ownCall = ownCall;
    qso.call = call;
    qso.qsoTime = OleDateTime{date, status};
    qso.frequencyHz = frequencyHz;
    qso.mode = mode;
    qso.rstSent = rstSent;
    qso.rstReceived = rstReceived;
    qso.exchangeSent = exchangeSent;
    qso.exchangeReceived = exchangeReceived;
    qso.band = band;
    return qso;
  }
};

inline TestQso Qso(std::string call, std::string band, std::string mode,
                   std::string exchangeReceived = "123") {
  TestQso qso;
  qso.call = std::move(call);
  qso.band = std::move(band);
  qso.mode = std::move(mode);
  qso.exchangeReceived = std::move(exchangeReceived);
  return qso;
}

}  // namespace stats::testing
