#pragma once

// The companion's system through the Win32 API, around its window Form1: the
// named semaphore "Rara_Zudo" as the single-copy mark, held until the process
// ends; the windows; message boxes.

#include <windows.h>

#include "companion/system.h"
#include "companion/win32/unique_handle.h"

namespace zarnik::win32 {

class Win32System final : public System {
 public:
  explicit Win32System(HWND ownWindow) : ownWindow_(ownWindow) {}

  bool AcquireInstanceLock() override;
  WindowHandle FindHostWindow() override;
  void MakeTopmost() override;
  void SetForeground(WindowHandle window) override;
  void Show() override;
  void ShowMessage(const std::string& text) override;
  // Destroys the window; its WM_DESTROY ends the message loop.
  void EndProgram() override;

 private:
  HWND ownWindow_;
  UniqueHandle<HANDLE, &CloseHandle> instanceSemaphore_;
};

}  // namespace zarnik::win32
