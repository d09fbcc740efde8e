#pragma once

// The resident set size of this process, from /proc/self/statm (Linux).

#include <unistd.h>

#include <cstddef>
#include <fstream>

namespace fuzz {

// In bytes; 0 when it can not be read.
inline std::size_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  std::size_t totalPages = 0;
  std::size_t residentPages = 0;
  if (!(statm >> totalPages >> residentPages)) return 0;
  return residentPages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

}  // namespace fuzz
