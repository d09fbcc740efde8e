#pragma once

// What the system tells our programs about how they were started and the
// window they run in, and what they do there: the arguments, the console each standard stream shows
// on, a window of its own (started from Explorer, by a double-click or a file dropped onto it), the
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

// Standard output and error as a program writes to them: through the console
// each shows on, else the C++ streams as they are.
class StandardStreams {
 public:
  StandardStreams() {
    Open(out_, StandardStream::kOutput);
    Open(err_, StandardStream::kError);
  }

  std::ostream& Out() { return out_ ? out_->Stream() : std::cout; }
  std::ostream& Err() { return err_ ? err_->Stream() : std::cerr; }
  bool OutOnConsole() const { return out_.has_value(); }
  bool ErrOnConsole() const { return err_.has_value(); }

 private:
  static void Open(std::optional<ConsoleStream>& console, StandardStream stream) {
    if (auto writer = SystemConsoleWriter(stream)) console.emplace(std::move(*writer));
  }

  std::optional<ConsoleStream> out_;
  std::optional<ConsoleStream> err_;
};

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

// The program's arguments after its name, in UTF-8: on Windows from its UTF-16
// command line, since `argv` there holds only what the ANSI code page can.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Standard output takes bytes as they are: on Windows not CR LF for LF, so that
// the report written to a file or a pipe has the same bytes as on other systems.
void WriteStandardOutputAsBytes();

}  // namespace console
