#pragma once

// The companion's window and the host's main window, through the Win32 API.

#include <windows.h>

#include "companion/desktop.h"

namespace zarnik::win32 {

class Win32Desktop final : public Desktop {
 public:
  explicit Win32Desktop(HWND ownWindow) : ownWindow_(ownWindow) {}

  WindowHandle FindHostWindow() override;
  void MakeTopmost() override;
  void SetForeground(WindowHandle window) override;
  void Show() override;

 private:
  HWND ownWindow_;
};

}  // namespace zarnik::win32
