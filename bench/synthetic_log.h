#pragma once

// A made-up contest log of any size, shaped like a real one: 24 hours of QSOs
// in time order on ten bands, mostly CW and SSB, each ordinary station worked
// about four times (other bands, modes and tours), and one QSO in ten with a
// marked station, every marked station a different one. Along with it come the
// inputs the benchmarks feed the contest: call checks, QSOs to add, to refuse
// and to remove.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/qso_builder.h"

namespace stats::bench {

struct CallQuery {
  std::string call;
  std::string mode;
  std::string band;
};

struct SyntheticLog {
  std::vector<testing::TestQso> qsos;  // in the order the host hands them over
  int currentHour = 0;                 // UTC hour of the last QSO: the current tour
  // Checks of stations worked on that band and mode in the current tour.
  std::vector<CallQuery> repeats;
  // Checks of call signs that are not in the log.
  std::vector<CallQuery> newCalls;
  // QSOs the entry rules refuse: half for the mode, half for a missing exchange.
  std::vector<testing::TestQso> refused;
  // Accepted QSOs with call signs that are not in the log.
  std::vector<testing::TestQso> fresh;
  // Indexes into qsos of the QSOs whose call, mode and band no other QSO has,
  // so that removing one and adding it back restores the same log.
  std::vector<std::size_t> removable;
};

SyntheticLog MakeSyntheticLog(std::size_t size, std::uint32_t seed);

}  // namespace stats::bench
