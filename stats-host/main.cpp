// stats-host: scores an ADIF log through the contest plug-in, as the host does.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "console/system_console.h"
#include "files/file_system.h"
#include "stats-host/stats_host.h"

int main(int argc, char** argv) {
  files::FailWritesPastSizeLimit();
  console::WriteStandardOutputAsBytes();  // the plug-in's summary text carries its own CR LF
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
  return stats_host::RunStatsHost(console::ProgramArguments(argc, argv), surroundings);
}
