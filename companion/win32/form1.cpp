#include "companion/win32/form1.h"

#include "companion/form_layout.h"
#include "companion/resources/resource.h"
#include "companion/texts.h"
#include "companion/win32/owner_drawn_button.h"

namespace zarnik::win32 {
namespace {

constexpr char kWindowClassName[] = "Form1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;
constexpr UINT kTimer1IntervalMs = 500;

COLORREF ToColorRef(Rgb color) { return RGB(color.red, color.green, color.blue); }

HWND CreateButton(HWND parent, HINSTANCE instance, const char* caption, int id,
                  const PixelRect& rect, HFONT font) {
  const HWND button =
      CreateWindowExA(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
                      rect.left, rect.top, rect.width, rect.height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return button;
}

}  // namespace

Form1::Form1(HINSTANCE instance)
    : instance_(instance),
      backBrush_(CreateSolidBrush(ToColorRef(kForm1BackColor))),
      buttonBrush_(CreateSolidBrush(ToColorRef(kButtonBackColor))),
      buttonFont_(CreateFontA(-PointsToPixels(kButtonFontTenthsOfPoint), 0, 0, 0, kButtonFontWeight,
                              FALSE, FALSE, FALSE, kButtonFontCharset, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                              kButtonFontFace)) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Form1::WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  windowClass.hbrBackground = backBrush_.Get();
  windowClass.lpszClassName = kWindowClassName;
  windowClass_ = RegisterClassExA(&windowClass);
  if (windowClass_ == 0) return;

  // The client area goes to its stored place; the frame goes around it.
  RECT frame{kForm1Client.left, kForm1Client.top, kForm1Client.left + kForm1Client.width,
             kForm1Client.top + kForm1Client.height};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  CreateWindowExA(kExStyle, kWindowClassName, kFormCaption, kStyle, frame.left, frame.top,
                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                  this);
}

Form1::~Form1() {
  window_.Reset();
  if (windowClass_ != 0) UnregisterClassA(kWindowClassName, instance_);
}

// Nothing may be thrown through the system's frames: a failure in a handler
// ends the message loop, and with it the program, which ends silently.
LRESULT CALLBACK Form1::WindowProc(HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept {
  try {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      auto* form = static_cast<Form1*>(create->lpCreateParams);
      form->window_.Reset(window);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return form != nullptr ? form->HandleMessage(window, message, wParam, lParam)
                           : DefWindowProcA(window, message, wParam, lParam);
  } catch (...) {
    PostQuitMessage(1);
    return 0;
  }
}

LRESULT Form1::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls(window);
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_TIMER:
      if (wParam == IDT_TIMER1 && companion_ != nullptr) companion_->OnTimer1Tick();
      return 0;
    case WM_DRAWITEM:
      PaintButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), buttonBrush_.Get(),
                  buttonFont_.Get());
      return TRUE;
    case WM_SETFOCUS:
      // Like a dialog: the focus goes to the first button in the tab order.
      if (command1_ != nullptr) SetFocus(command1_);
      return 0;
    case WM_CLOSE:
      if (companion_ != nullptr) {
        companion_->OnUnload();
      } else {
        DestroyWindow(window);
      }
      return 0;
    case WM_DESTROY:
      KillTimer(window, IDT_TIMER1);
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      window_.Detach();
      return DefWindowProcA(window, message, wParam, lParam);
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void Form1::CreateControls(HWND window) {
  // Creation order is the tab order.
  command1_ = CreateButton(window, instance_, "CW", IDC_COMMAND1, kCommand1Rect, buttonFont_.Get());
  CreateButton(window, instance_, "SSB", IDC_COMMAND3, kCommand3Rect, buttonFont_.Get());
  SetTimer(window, IDT_TIMER1, kTimer1IntervalMs, nullptr);
}

void Form1::OnCommand(int controlId, int notification) {
  if (companion_ == nullptr || notification != BN_CLICKED) return;
  if (controlId == IDC_COMMAND1) companion_->OnCommand1Click();
  if (controlId == IDC_COMMAND3) companion_->OnCommand3Click();
}

}  // namespace zarnik::win32
