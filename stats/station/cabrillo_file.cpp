#include "stats/station/cabrillo_file.h"

#include <cstdio>

#include "stats/file_output.h"

namespace stats {

std::string ReadCabrilloInclude(const std::string& path) {
  std::string contents;
  if (ReadWholeFile(path, contents)) return contents;
  // Appending creates a missing file and leaves an existing one as it is.
  const UniqueFile created(std::fopen(path.c_str(), "ab"));
  return {};
}

}  // namespace stats
