// The setup notice, shown as a real message box by the loaded plug-in.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "stats/public/exports.h"
#include "tests/support/plugin_library.h"

namespace stats {
namespace {

BOOL CALLBACK FindOwnMessageBox(HWND window, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (process != GetCurrentProcessId() || std::string(className) != "#32770") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Waits for a message box of this process to show its text, presses its OK
// button and returns the text; empty when none appears in time.
std::string DismissMessageBox() {
  for (int attempt = 0; attempt < 400; ++attempt) {
    HWND box = nullptr;
    EnumWindows(FindOwnMessageBox, reinterpret_cast<LPARAM>(&box));
    char text[256] = {};
    if (box != nullptr && GetDlgItemTextA(box, 0xFFFF, text, sizeof text) > 0) {
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      return text;
    }
    Sleep(25);
  }
  return {};
}

TEST(SetupNotice, ShowsItsNoticeInAMessageBox) {
  testing::PluginLibrary library{testing::BuiltPluginPath()};
  std::string seen;
  std::thread dismisser([&seen] { seen = DismissMessageBox(); });
  library.Get<SetupSet0Fn>("SetupSet0")();
  dismisser.join();
  EXPECT_EQ(seen, "No additional setup for this contest");
}

}  // namespace
}  // namespace stats
