#pragma once

// The fuzz targets' checks: a broken invariant is named on standard error and
// aborts, which libFuzzer and the replay driver report as a finding.

#include <cstdio>
#include <cstdlib>

namespace fuzz {

[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

inline void Require(bool holds, const char* what) {
  if (!holds) Fail(what);
}

}  // namespace fuzz
