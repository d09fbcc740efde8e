// FindHostWindow against real windows of this process.

#include "companion/win32/module1.h"

#include <gtest/gtest.h>

#include "companion/win32/form1.h"

namespace zarnik::win32 {
namespace {

UniqueWindow CreateWindowOfClass(const char* className) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
  const HWND window = CreateWindowExA(0, className, "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                      nullptr, nullptr, windowClass.hInstance, nullptr);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return UniqueWindow(window);
}

// One search per process: the found window is kept, as in the program.
TEST(FindHostWindow, TakesTheFrontmostWindowWhoseClassBeginsWithTheHostPrefix) {
  const UniqueWindow back = CreateWindowOfClass("Afx:400000:b:10011:back");
  const UniqueWindow front = CreateWindowOfClass("Afx:400000:b:10011:front");
  const UniqueWindow shortName = CreateWindowOfClass("Afx:400000:b:1001");
  const UniqueWindow other = CreateWindowOfClass("afx:400000:b:10011:lower-case");
  ASSERT_TRUE(back && front && shortName && other);

  EXPECT_EQ(FindHostWindow(), front.Get());
}

}  // namespace
}  // namespace zarnik::win32
