#pragma once

// What the system tells stats-host about the window it runs in, and what it
// does there: the console each standard stream shows on, a window of its own
// (started from Explorer, by a double-click or a file dropped onto it), the
// web browser, and Enter pressed.

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "console/console_stream.h"

namespace console {

enum class StandardStream { kOutput, kError };

// Writes to the console (Windows: through its Unicode interface) or the
// terminal (elsewhere) that the stream shows on; nothing when the stream goes
// to a file or a pipe.
std::optional<ConsoleWriter> SystemConsoleWriter(StandardStream stream);

// Windows: the console is this program's alone, made for it when Explorer
// started it, and it closes when the program ends. Never elsewhere.
bool StartedInWindowOfItsOwn();

// Opens the page in the user's web browser; false when that can not be done.
bool OpenInBrowser(const std::filesystem::path& page);

// Waits until Enter is pressed, or standard input ends.
inline void WaitForEnter() {
  std::string line;
  std::getline(std::cin, line);
}

#if defined(_WIN32)
// The program's arguments, after its name, from its UTF-16 command line as
// UTF-8.
std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv);
#endif

}  // namespace console
