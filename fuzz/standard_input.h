#pragma once

// Standard input from /dev/null for the rest of the process. The portable
// build asks for the station details on the terminal when standard input is
// one; in a fuzzer or the long run nobody would answer.

#include <fcntl.h>
#include <unistd.h>

namespace fuzz {

inline bool DetachStandardInput() {
  const int empty = ::open("/dev/null", O_RDONLY);
  if (empty < 0) return false;
  const bool detached = ::dup2(empty, STDIN_FILENO) == STDIN_FILENO;
  ::close(empty);
  return detached;
}

}  // namespace fuzz
