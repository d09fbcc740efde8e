// crosscheck: the organisers' check of every participant's log against the others.

#include <exception>
#include <iostream>
#include <new>
#include <optional>

#include "console/system_console.h"
#include "crosscheck/run.h"
#include "files/file_system.h"

namespace {

int Run(int argc, char** argv, std::ostream& out, std::ostream& err) {
  try {
    return crosscheck::RunCrosscheck(console::ProgramArguments(argc, argv), out, err);
  } catch (const std::bad_alloc&) {
    err << "crosscheck: out of memory\n";
  } catch (const std::exception& error) {
    err << "crosscheck: " << error.what() << "\n";
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  files::FailWritesPastSizeLimit();
  // On a console the lines go through its Unicode interface, so that logs
  // named in Cyrillic are shown as they are named.
  using console::StandardStream;
  std::optional<console::ConsoleStream> outConsole;
  std::optional<console::ConsoleStream> errConsole;
  if (auto writer = console::SystemConsoleWriter(StandardStream::kOutput)) {
    outConsole.emplace(std::move(*writer));
  }
  if (auto writer = console::SystemConsoleWriter(StandardStream::kError)) {
    errConsole.emplace(std::move(*writer));
  }
  std::ostream& out = outConsole ? outConsole->Stream() : std::cout;
  std::ostream& err = errConsole ? errConsole->Stream() : std::cerr;
  const int status = Run(argc, argv, out, err);
  // Started from Explorer (a double-click, a folder dropped on it), the
  // window closes when the program ends: the usage or the error stays until
  // it has been read.
  if (console::StartedInWindowOfItsOwn()) {
    err << std::flush;
    out << "\nPress Enter to close this window." << std::flush;
    console::WaitForEnter();
  }
  return status;
}
