#include "companion/win32/module1.h"

#include "companion/host_window_class.h"

namespace zarnik::win32 {
namespace {

// The slot that HostWindowEnumProc fills; EnumWindows calls back on this thread
// before it returns, so it needs no lock.
HWND FoundHostWindow = nullptr;

BOOL CALLBACK HostWindowEnumProc(HWND window, LPARAM /*extra*/) {
  char className[256] = {};
  const int length = GetClassNameA(window, className, sizeof className);
  if (length > 0 && IsHostWindowClass({className, static_cast<std::size_t>(length)})) {
    FoundHostWindow = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindHostWindow() {
  EnumWindows(HostWindowEnumProc, 0);
  return FoundHostWindow;
}

}  // namespace zarnik::win32
