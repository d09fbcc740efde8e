#pragma once

// While it lives, nobody answers the station-details dialog that a reset with
// a report request shows: in the Windows build every dialog box this process
// opens is cancelled; in the portable build standard input is empty, so the
// terminal form is cancelled as well.

#if defined(_WIN32)
#include <windows.h>

#include <atomic>
#include <thread>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace stats::testing {

#if defined(_WIN32)

class NoOperator {
 public:
  NoOperator() : thread_([this] { Run(); }) {}
  ~NoOperator() {
    stop_ = true;
    thread_.join();
  }
  NoOperator(const NoOperator&) = delete;
  NoOperator& operator=(const NoOperator&) = delete;

 private:
  static BOOL CALLBACK CancelIfOurDialog(HWND window, LPARAM) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (process == GetCurrentProcessId() && lstrcmpA(className, "#32770") == 0) {
      PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    }
    return TRUE;
  }

  void Run() {
    while (!stop_) {
      EnumWindows(CancelIfOurDialog, 0);
      Sleep(20);
    }
  }

  std::atomic<bool> stop_{false};
  std::thread thread_;
};

#else

class NoOperator {
 public:
  NoOperator() : saved_(::dup(STDIN_FILENO)) {
    const int empty = ::open("/dev/null", O_RDONLY);
    if (empty >= 0) {
      ::dup2(empty, STDIN_FILENO);
      ::close(empty);
    }
  }
  ~NoOperator() {
    if (saved_ >= 0) {
      ::dup2(saved_, STDIN_FILENO);
      ::close(saved_);
    }
  }
  NoOperator(const NoOperator&) = delete;
  NoOperator& operator=(const NoOperator&) = delete;

 private:
  int saved_;
};

#endif

}  // namespace stats::testing
