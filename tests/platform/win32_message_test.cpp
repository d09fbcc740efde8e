// The Win32 platform's notice: a real message box, found and closed by a second
// thread of this process.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "stats/platform/platform.h"

namespace {

struct MessageBoxSeen {
  std::string title;
  std::string text;
  int buttons = 0;
};

HWND FindOwnMessageBox() {
  for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", nullptr); window;
       window = FindWindowExA(nullptr, window, "#32770", nullptr)) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) return window;
  }
  return nullptr;
}

BOOL CALLBACK CountButton(HWND child, LPARAM count) {
  char name[32] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "Button") == 0) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// Waits for the message box, notes what it shows and presses its button.
MessageBoxSeen CloseMessageBox() {
  MessageBoxSeen seen;
  for (int attempt = 0; attempt < 500; ++attempt) {
    const HWND box = FindOwnMessageBox();
    char buffer[256] = {};
    // The box is found before its controls are made: wait for its text.
    if (box != nullptr && GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer) > 0) {
      seen.text = buffer;
      GetWindowTextA(box, buffer, sizeof buffer);
      seen.title = buffer;
      EnumChildWindows(box, CountButton, reinterpret_cast<LPARAM>(&seen.buttons));
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      return seen;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return seen;
}

TEST(Win32Platform, ShowMessageIsAModalNoticeWithOneButtonAndTheDefaultTitle) {
  const auto platform = stats::MakeSystemPlatform();
  MessageBoxSeen seen;
  std::thread driver([&seen] { seen = CloseMessageBox(); });
  platform->ShowMessage("Kesdra Velk: contest set 0");
  driver.join();

  EXPECT_EQ(seen.text, "Kesdra Velk: contest set 0");
  EXPECT_EQ(seen.title, "Error");
  EXPECT_EQ(seen.buttons, 1);
}

}  // namespace
