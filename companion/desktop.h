#pragma once

// The windows the companion deals with: its own window and the host's main
// window.

#include <cstdint>

namespace zarnik {

// A top-level window of the system, as an opaque value; kNoWindow is none.
using WindowHandle = std::uintptr_t;
inline constexpr WindowHandle kNoWindow = 0;

class Desktop {
 public:
  virtual ~Desktop() = default;

  // The first top-level window, front to back, that belongs to the host, or
  // kNoWindow.
  virtual WindowHandle FindHostWindow() = 0;

  // Puts the own window above all windows that are not topmost, without
  // moving, sizing or showing it.
  virtual void MakeTopmost() = 0;

  // Brings `window` to the foreground with the keyboard focus.
  virtual void SetForeground(WindowHandle window) = 0;

  // Shows the own window.
  virtual void Show() = 0;
};

}  // namespace zarnik
