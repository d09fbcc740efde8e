// crosscheck: the organisers' check of every participant's log against the others.

#include <exception>
#include <iostream>
#include <new>

#include "console/system_console.h"
#include "crosscheck/run.h"
#include "files/file_system.h"

int main(int argc, char** argv) {
  files::FailWritesPastSizeLimit();
  try {
    return crosscheck::RunCrosscheck(console::ProgramArguments(argc, argv), std::cout, std::cerr);
  } catch (const std::bad_alloc&) {
    std::cerr << "crosscheck: out of memory\n";
  } catch (const std::exception& error) {
    std::cerr << "crosscheck: " << error.what() << "\n";
  }
  return 1;
}
