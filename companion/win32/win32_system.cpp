#include "companion/win32/win32_system.h"

#include "companion/texts.h"
#include "companion/win32/module1.h"

namespace zarnik::win32 {

bool Win32System::AcquireInstanceLock() {
  // Not every system clears the last error when it creates a new object.
  SetLastError(ERROR_SUCCESS);
  instanceSemaphore_.Reset(CreateSemaphoreA(nullptr, 0, 1, kInstanceSemaphoreName));
  const DWORD error = GetLastError();
  return instanceSemaphore_ && error == ERROR_SUCCESS;
}

WindowHandle Win32System::FindHostWindow() {
  return reinterpret_cast<WindowHandle>(win32::FindHostWindow());
}

void Win32System::MakeTopmost() {
  SetWindowPos(ownWindow_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

void Win32System::SetForeground(WindowHandle window) {
  SetForegroundWindow(reinterpret_cast<HWND>(window));
}

void Win32System::Show() {
  // Without activation: the keyboard focus has just been handed to the host.
  ShowWindow(ownWindow_, SW_SHOWNOACTIVATE);
}

void Win32System::ShowMessage(const std::string& text) {
  MessageBoxA(ownWindow_, text.c_str(), kProgramTitle, MB_OK);
}

void Win32System::EndProgram() {
  if (IsWindow(ownWindow_)) DestroyWindow(ownWindow_);
}

}  // namespace zarnik::win32
