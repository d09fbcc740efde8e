#pragma once

// One fixed evaluation of a small log through the plug-in's real entry points,
// and everything the host gets back from it: the results of every call, the
// summary text and the host's score. Broken files must not change any of it.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/exports/entry_points.h"
#include "tests/faults/no_operator.h"

namespace stats::testing {

struct Transcript {
  std::vector<int> results;
  std::vector<std::string> summaries;
  std::vector<int> scores;

  bool operator==(const Transcript&) const = default;
};

inline void PrintTo(const Transcript& transcript, std::ostream* out) {
  *out << "results";
  for (const int result : transcript.results) *out << ' ' << result;
  for (std::size_t i = 0; i < transcript.summaries.size(); ++i) {
    *out << "\nscore " << transcript.scores[i] << ", summary:\n" << transcript.summaries[i];
  }
}

// Runs in the current working folder with a fresh load of the plug-in: a
// reset, QSOs the rules accept and refuse, removals, checks that do not depend
// on the clock, a result; then a second evaluation after another reset.
inline Transcript RunEvaluation(int reportMode) {
  const NoOperator noOperator;
  const PluginLibrary library(BuiltPluginPath());
  const EntryPoints plugin(library);
  const StatsDateTime contestDate = HostDate(OleDate(2013, 2, 5, 12));
  Transcript transcript;
  auto& results = transcript.results;
  const auto result = [&] {
    int score = 12345;
    transcript.summaries.emplace_back(plugin.getResult(&score));
    transcript.scores.push_back(score);
  };

  results.push_back(plugin.Reset(reportMode, "UA1AAA", &contestDate));
  TestQso refusedMode = Qso("DX9", "40", "FM");
  TestQso refusedNumber = Qso("DX8", "40", "CW", "");
  for (const TestQso& qso :
       {Qso("DX1", "80", "CW", "W001"), Qso("DX2", "80", "SSB"), refusedMode,
        Qso("DX3", "160", "BPSK63", "W003"), refusedNumber, Qso("DX4", "40", "CW"),
        Qso("DX4", "40", "CW"), Qso("DX5", "7", "BPSK62")}) {
    results.push_back(plugin.Add(qso));
  }
  results.push_back(plugin.Remove(Qso("DX4", "40", "CW")));
  results.push_back(plugin.Remove(Qso("DX5", "7", "BPSK62", "")));
  char buffer[256] = "untouched";
  results.push_back(plugin.Check("NOBODY", "CW", "", "80", buffer));
  results.push_back(plugin.Check("NOBODY", "CW", "", "20", buffer));
  result();
  result();

  results.push_back(plugin.Reset(reportMode, "UA1AAA", &contestDate));
  results.push_back(plugin.Add(Qso("DX6", "20", "CW", "W006")));
  results.push_back(plugin.Add(refusedMode));
  result();
  return transcript;
}

}  // namespace stats::testing
