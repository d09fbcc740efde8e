#pragma once

// What the host's calls cost, measured the same way for ours and for the
// yardstick. Each body checks the answers it got, so that a benchmark that
// drifts off the path it means to measure fails instead of reporting.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "bench/loaded_contest.h"
#include "stats/tour_check.h"

namespace stats::bench {

// AddData0 for a QSO that is stored, problem log opened and closed included.
// Runs a fixed number of iterations and removes the QSOs again afterwards.
template <typename Subject>
void AddAcceptedQso(benchmark::State& state, LoadedContest<Subject>& loaded) {
  auto& contest = loaded.Contest();
  const std::vector<testing::TestQso>& fresh = loaded.Log().fresh;
  if (static_cast<std::size_t>(state.max_iterations) > fresh.size()) {
    state.SkipWithError("more iterations than fresh QSOs");
    return;
  }
  std::size_t next = 0;
  std::size_t accepted = 0;
  for (auto _ : state) {
    accepted += static_cast<std::size_t>(contest.AddQso(fresh[next++].Arguments()));
  }
  for (std::size_t i = 0; i < next; ++i) contest.RemoveQso(fresh[i].Arguments());
  if (accepted != next) state.SkipWithError("a fresh QSO was refused");
}

// AddData0 for a QSO that the entry rules refuse: a line in the problem log.
template <typename Subject>
void AddRefusedQso(benchmark::State& state, LoadedContest<Subject>& loaded) {
  auto& contest = loaded.Contest();
  const std::vector<testing::TestQso>& refused = loaded.Log().refused;
  std::size_t next = 0;
  std::size_t accepted = 0;
  for (auto _ : state) {
    accepted += static_cast<std::size_t>(contest.AddQso(refused[next].Arguments()));
    next = next + 1 == refused.size() ? 0 : next + 1;
  }
  if (accepted != 0) state.SkipWithError("a QSO meant to be refused was stored");
}

// CheckCall0 with an empty aux text, cycling through the queries, each of
// which must give `expected`.
template <typename Subject>
void CheckCalls(benchmark::State& state, LoadedContest<Subject>& loaded,
                const std::vector<CallQuery>& queries, int expected) {
  auto& contest = loaded.Contest();
  char buffer[kWarningCapacity];
  std::size_t next = 0;
  std::size_t unexpected = 0;
  for (auto _ : state) {
    const CallQuery& query = queries[next];
    next = next + 1 == queries.size() ? 0 : next + 1;
    unexpected += contest.CheckCall(query.call, query.mode, "", query.band, buffer) != expected;
  }
  if (unexpected != 0) state.SkipWithError("a check gave another code than expected");
}

// RemoveData0 of QSOs spread over the whole log, freshly loaded for each run
// and discarded after it. Runs a fixed number of iterations.
template <typename Subject>
void RemoveQsos(benchmark::State& state, LoadedContest<Subject>& loaded) {
  loaded.Discard();
  auto& contest = loaded.Contest();
  const std::vector<testing::TestQso>& qsos = loaded.Log().qsos;
  const std::vector<std::size_t> picks =
      loaded.PickRemovable(static_cast<std::size_t>(state.max_iterations));
  if (picks.size() < static_cast<std::size_t>(state.max_iterations)) {
    state.SkipWithError("more iterations than removable QSOs");
    return;
  }
  const std::size_t before = Subject::Count(contest);
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(contest.RemoveQso(qsos[picks[next++]].Arguments()));
  }
  const std::size_t removed = before - Subject::Count(contest);
  loaded.Discard();
  if (removed != next) state.SkipWithError("a removal found no QSO");
}

// GetResult0 over the whole log.
template <typename Subject>
void GetResults(benchmark::State& state, LoadedContest<Subject>& loaded) {
  auto& contest = loaded.Contest();
  int score = 0;
  for (auto _ : state) benchmark::DoNotOptimize(contest.GetResult(&score));
  if (score <= 0) state.SkipWithError("no score");
}

// Opening "err.txt" for appending and closing it again, as a refused AddData0 does.
inline void OpenAndCloseProblemLog(benchmark::State& state) {
  const std::unique_ptr<Platform> platform = MakeSystemPlatform();
  ProblemLog log(*platform);
  for (auto _ : state) {
    log.OpenForAppend();
    log.CloseAppend();
  }
}

// Seeing that "err.txt" is there, as an accepted AddData0 does: one system call.
inline void SeeProblemLogIsThere(benchmark::State& state) {
  const std::unique_ptr<Platform> platform = MakeSystemPlatform();
  ProblemLog log(*platform);
  for (auto _ : state) log.EnsureExists();
}

}  // namespace stats::bench
