#include "companion/win32/win32_desktop.h"

#include "companion/win32/module1.h"

namespace zarnik::win32 {

WindowHandle Win32Desktop::FindHostWindow() {
  return reinterpret_cast<WindowHandle>(win32::FindHostWindow());
}

void Win32Desktop::MakeTopmost() {
  SetWindowPos(ownWindow_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

void Win32Desktop::SetForeground(WindowHandle window) {
  SetForegroundWindow(reinterpret_cast<HWND>(window));
}

void Win32Desktop::Show() {
  // Without activation: the keyboard focus has just been handed to the host.
  ShowWindow(ownWindow_, SW_SHOWNOACTIVATE);
}

}  // namespace zarnik::win32
