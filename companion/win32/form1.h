#pragma once

// The window Form1: caption, background, the buttons Command1 ("CW") and
// Command3 ("SSB") and Timer1. Its events go to the Companion.

#include <windows.h>

#include "companion/companion.h"
#include "companion/win32/unique_handle.h"

namespace zarnik::win32 {

inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
using UniqueBrush = UniqueHandle<HBRUSH, &DeleteGdiObject>;
using UniqueFont = UniqueHandle<HFONT, &DeleteGdiObject>;
using UniqueWindow = UniqueHandle<HWND, &DestroyWindow>;

class Form1 {
 public:
  // Creates the window hidden, with its buttons and its running timer. Handle()
  // is null when the window could not be made.
  explicit Form1(HINSTANCE instance);
  ~Form1();

  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  HWND Handle() const { return window_.Get(); }

  // From here on the clicks, ticks and the close go to `companion`.
  void Connect(Companion& companion) { companion_ = &companion; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls(HWND window);
  void OnCommand(int controlId, int notification);

  HINSTANCE instance_;
  UniqueBrush backBrush_;
  UniqueBrush buttonBrush_;
  UniqueFont buttonFont_;
  ATOM windowClass_ = 0;
  UniqueWindow window_;
  HWND command1_ = nullptr;
  Companion* companion_ = nullptr;
};

}  // namespace zarnik::win32
