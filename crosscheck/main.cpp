// crosscheck: the organisers' check of every participant's log against the others.

#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "crosscheck/run.h"

#if defined(_WIN32)
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace {

// The command line as Windows has it (UTF-16), in UTF-8: the narrow one would
// turn letters outside the ANSI code page into "?".
std::vector<std::string> Utf8Arguments() {
  std::vector<std::string> arguments;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; wide != nullptr && i < count; ++i) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string argument(bytes > 0 ? static_cast<std::size_t>(bytes) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), bytes, nullptr, nullptr);
    argument.pop_back();  // the terminating zero
    arguments.push_back(std::move(argument));
  }
  LocalFree(wide);
  return arguments;
}

}  // namespace
#endif

int main(int argc, char** argv) {
  try {
#if defined(_WIN32)
    (void)argc, (void)argv;
    const std::vector<std::string> arguments = Utf8Arguments();
#else
    const std::vector<std::string> arguments(argv + 1, argv + argc);
#endif
    return crosscheck::RunCrosscheck(arguments, std::cout, std::cerr);
  } catch (const std::bad_alloc&) {
    std::cerr << "crosscheck: out of memory\n";
  } catch (const std::exception& error) {
    std::cerr << "crosscheck: " << error.what() << "\n";
  }
  return 1;
}
