#pragma once

// Helpers of the companion's end-to-end tests: child processes that never
// outlive a test, windows found by process, and the test host's macro log.

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "companion/win32/unique_handle.h"

namespace zarnik::testing {

using namespace std::chrono_literals;

// Long enough for a loaded machine; the tests never measure speed.
inline constexpr std::chrono::milliseconds kPatience = 15s;

// A build-tree path in the form the Windows programs accept ("/a/b" -> "Z:\a\b").
std::string WindowsPath(std::string path);

// A started program; ended by force when the test lets go of it while it runs.
class ChildProcess {
 public:
  explicit ChildProcess(const std::string& commandLine);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return static_cast<bool>(process_); }
  DWORD Id() const { return id_; }
  bool Running() const;

  // The exit code, or nothing while the program still runs after `patience`.
  std::optional<DWORD> WaitForExit(std::chrono::milliseconds patience = kPatience) const;

  // Asks every top-level window of the program to close.
  void CloseWindows() const;

  // Ends the program at once, as a crash would.
  void Kill();

 private:
  win32::UniqueHandle<HANDLE, &CloseHandle> process_;
  DWORD id_ = 0;
};

// The top-level windows of process `processId` whose class is `className`.
std::vector<HWND> WindowsOf(DWORD processId, const std::string& className);

// Waits until process `processId` has a top-level window of `className` for
// which `accept` holds; null after `patience`.
HWND WaitForWindow(DWORD processId, const std::string& className,
                   const std::function<bool(HWND)>& accept = IsWindowVisible);

std::string WindowText(HWND window);

// The lines of a text file; none when it does not exist.
std::vector<std::string> ReadLines(const std::string& path);

// Waits until the file holds at least `count` lines, then returns them.
std::vector<std::string> WaitForLines(const std::string& path, std::size_t count);

// Waits for `condition`; whether it came true within `patience`.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds patience = kPatience);

}  // namespace zarnik::testing
