#include "companion/win32/win32_program_control.h"

#include "companion/texts.h"

namespace zarnik::win32 {

void Win32ProgramControl::ShowMessage(const std::string& text) {
  MessageBoxA(ownWindow_, text.c_str(), kProgramTitle, MB_OK);
}

void Win32ProgramControl::EndProgram() {
  if (IsWindow(ownWindow_)) DestroyWindow(ownWindow_);
}

}  // namespace zarnik::win32
