// stats-host: scores an ADIF log through the contest plug-in, as the host does.

#include <iostream>
#include <string>
#include <vector>

#include "console/system_console.h"
#include "files/file_system.h"
#include "stats-host/stats_host.h"

int main(int argc, char** argv) {
  files::FailWritesPastSizeLimit();
  console::WriteStandardOutputAsBytes();  // the plug-in's summary text carries its own CR LF
  console::StandardStreams streams;
  const stats_host::Surroundings surroundings{
      .out = streams.Out(),
      .err = streams.Err(),
      .outOnConsole = streams.OutOnConsole(),
      .errOnConsole = streams.ErrOnConsole(),
      .userLanguage = logs::UserReportLanguage(),
      .windowOfItsOwn = console::StartedInWindowOfItsOwn(),
      .openInBrowser = console::OpenInBrowser,
      .waitForEnter = console::WaitForEnter,
  };
  return stats_host::RunStatsHost(console::ProgramArguments(argc, argv), surroundings);
}
