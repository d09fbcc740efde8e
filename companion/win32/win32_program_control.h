#pragma once

// Message boxes and the end of the program, around the window Form1.

#include <windows.h>

#include "companion/program_control.h"

namespace zarnik::win32 {

class Win32ProgramControl final : public ProgramControl {
 public:
  explicit Win32ProgramControl(HWND ownWindow) : ownWindow_(ownWindow) {}

  void ShowMessage(const std::string& text) override;

  // Destroys the window; its WM_DESTROY ends the message loop.
  void EndProgram() override;

 private:
  HWND ownWindow_;
};

}  // namespace zarnik::win32
