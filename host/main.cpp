// stats-host: scores an ADIF log through the contest plug-in, as the host does.

#include <iostream>
#include <string>
#include <vector>

#include "host/stats_host.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

int main(int argc, char** argv) {
#if defined(_WIN32)
  // The plug-in's summary text carries its own CR LF; the report is written with
  // the same bytes as on other systems.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return host::RunStatsHost(arguments, std::cout, std::cerr);
}
