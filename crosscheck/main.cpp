// crosscheck: the organisers' check of every participant's log against the others.

#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "console/system_console.h"
#include "crosscheck/run.h"
#include "files/file_system.h"

namespace {

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
        const crosscheck::ConsoleTexts& texts) {
  try {
    return crosscheck::RunCrosscheck(arguments, out, err, texts);
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
  console::StandardStreams streams;
  std::ostream& out = streams.Out();
  std::ostream& err = streams.Err();
  // A person at the console reads its own language; a file or a pipe, English.
  const std::vector<std::string> arguments = console::ProgramArguments(argc, argv);
  const crosscheck::ConsoleTexts& texts =
      crosscheck::ConsoleTextsOf(streams.OutOnConsole() ? crosscheck::ConsoleLanguage(arguments)
                                                        : logs::ReportLanguage::kEnglish);
  const int status = Run(arguments, out, err, texts);
  // Started from Explorer (a double-click, a folder dropped on it), the
  // window closes when the program ends: the usage or the error stays until
  // it has been read.
  if (console::StartedInWindowOfItsOwn()) {
    err << std::flush;
    out << "\n" << texts.pressEnter << std::flush;
    console::WaitForEnter();
  }
  return status;
}
