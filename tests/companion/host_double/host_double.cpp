// A stand-in for the host in the companion's end-to-end tests.
//
//   companion_host_double.exe LOG [--refuse]
//
// Registers the programmatic identifier "MixW2.Application", puts a MacroRecorder
// into the running-object table under it, and shows a main window of the host's
// window class. Every macro received is appended to LOG as a line; with
// --refuse every macro is recorded and then refused with an automation error.
// Closing the main window (WM_CLOSE) withdraws the object and ends the program.

#include <windows.h>
// After windows.h:
#include <objbase.h>
#include <oleauto.h>

#include <cstring>
#include <string>

#include "companion/win32/com_ptr.h"
#include "companion/win32/unique_handle.h"
#include "macro_recorder.h"

namespace {

using zarnik::testing::MacroRecorder;
using zarnik::win32::ComPtr;
using UniqueKey = zarnik::win32::UniqueHandle<HKEY, &RegCloseKey>;

// The class identifier the test host registers under "MixW2.Application".
constexpr char kHostClsidText[] = "{5B1D6E3A-2C47-4F0B-9E58-7A3C1D2B8F64}";
constexpr char kHostWindowClass[] = "Afx:400000:b:10011:test-host";

bool RegisterProgId() {
  HKEY created = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Classes\\MixW2.Application\\CLSID", 0, nullptr,
                      0, KEY_WRITE, nullptr, &created, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const UniqueKey key(created);
  return RegSetValueExA(key.Get(), nullptr, 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(kHostClsidText),
                        static_cast<DWORD>(std::strlen(kHostClsidText) + 1)) == ERROR_SUCCESS;
}

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

HWND CreateHostWindow(HINSTANCE instance) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = HostWindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kHostWindowClass;
  if (RegisterClassA(&windowClass) == 0) return nullptr;
  return CreateWindowExA(0, kHostWindowClass, "Test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300,
                         40, 480, 320, nullptr, nullptr, instance, nullptr);
}

// Arguments after the program name, split as the C runtime splits them.
struct Arguments {
  std::string logPath;
  bool refuseMacros = false;
};

bool ParseArguments(Arguments& arguments) {
  if (__argc < 2) return false;
  arguments.logPath = __argv[1];
  for (int i = 2; i < __argc; ++i) {
    if (std::strcmp(__argv[i], "--refuse") != 0) return false;
    arguments.refuseMacros = true;
  }
  return true;
}

// Serves the recorder until the main window is closed; returns the exit code.
int ServeMacros(HINSTANCE instance, const Arguments& arguments) {
  CLSID clsid{};
  const std::wstring clsidText(kHostClsidText, kHostClsidText + std::strlen(kHostClsidText));
  if (FAILED(CLSIDFromString(clsidText.c_str(), &clsid))) return 5;

  ComPtr<IDispatch> recorder;
  *recorder.Put() = new MacroRecorder(arguments.logPath, arguments.refuseMacros);
  DWORD registration = 0;
  if (FAILED(RegisterActiveObject(recorder.Get(), clsid, ACTIVEOBJECT_STRONG, &registration))) {
    return 6;
  }

  // The window appears only once the object can be found: tests wait for it.
  const HWND window = CreateHostWindow(instance);
  MSG message;
  while (window != nullptr && GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }

  RevokeActiveObject(registration, nullptr);
  CoDisconnectObject(recorder.Get(), 0);
  return window != nullptr ? 0 : 7;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  Arguments arguments;
  if (!ParseArguments(arguments)) return 2;
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 3;
  const int exitCode = RegisterProgId() ? ServeMacros(instance, arguments) : 4;
  CoUninitialize();
  return exitCode;
}
