// Zarnik: a small always-on-top window that switches the running host between
// CW and SSB through its automation interface, and ends with the host.

#include <windows.h>

#include "companion/companion.h"
#include "companion/win32/com_host_automation.h"
#include "companion/win32/form1.h"
#include "companion/win32/win32_system.h"

namespace {

int RunMessageLoop(HWND form) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    // Tab and the space bar move between and press the buttons.
    if (IsWindow(form) && IsDialogMessageA(form, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

int Run(HINSTANCE instance) {
  using namespace zarnik::win32;

  const ComApartment apartment;
  Form1 form(instance);
  if (form.Handle() == nullptr) return 1;

  ComHostAutomation hostApp;
  Win32System system(form.Handle());
  zarnik::Companion companion(hostApp, system);
  form.Connect(companion);

  companion.OnLoad();
  return RunMessageLoop(form.Handle());
}

}  // namespace

// Nothing thrown leaves the program: a failure ends it silently, with status 1.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*showCommand*/) {
  try {
    return Run(instance);
  } catch (...) {
    return 1;
  }
}
