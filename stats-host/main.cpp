// stats-host: scores an ADIF log through the contest plug-in, as the host does.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "console/system_console.h"
#include "stats-host/stats_host.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

namespace {

int Main(const std::vector<std::string>& arguments) {
#if defined(_WIN32)
  // Written to a file or a pipe, the report has the same bytes as on other
  // systems; the plug-in's summary text carries its own CR LF.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  using console::StandardStream;
  std::optional<console::ConsoleStream> outConsole;
  std::optional<console::ConsoleStream> errConsole;
  if (auto writer = console::SystemConsoleWriter(StandardStream::kOutput)) {
    outConsole.emplace(std::move(*writer));
  }
  if (auto writer = console::SystemConsoleWriter(StandardStream::kError)) {
    errConsole.emplace(std::move(*writer));
  }
  const stats_host::Surroundings surroundings{
      .out = outConsole ? outConsole->Stream() : std::cout,
      .err = errConsole ? errConsole->Stream() : std::cerr,
      .outOnConsole = outConsole.has_value(),
      .errOnConsole = errConsole.has_value(),
      .userLanguage = logs::UserReportLanguage(),
      .windowOfItsOwn = console::StartedInWindowOfItsOwn(),
      .openInBrowser = console::OpenInBrowser,
      .waitForEnter = console::WaitForEnter,
  };
  return stats_host::RunStatsHost(arguments, surroundings);
}

}  // namespace

#if defined(_WIN32)
int wmain(int argc, wchar_t** argv) { return Main(console::Utf8Arguments(argc, argv)); }
#else
int main(int argc, char** argv) { return Main(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
