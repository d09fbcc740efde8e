#pragma once

// What the companion asks of the system besides the host's automation: the
// single-copy mark, its own window and the host's main window, message boxes
// and the end of the program.

#include <cstdint>
#include <string>

namespace zarnik {

// A top-level window of the system, as an opaque value; kNoWindow is none.
using WindowHandle = std::uintptr_t;
inline constexpr WindowHandle kNoWindow = 0;

class System {
 public:
  virtual ~System() = default;

  // Marks this process as the running copy until it ends. Returns false when
  // another copy holds the mark or the mark can not be made.
  virtual bool AcquireInstanceLock() = 0;

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

  // A modal box with `text`, the program's title and one OK button, no icon.
  // Returns when the user has dismissed it.
  virtual void ShowMessage(const std::string& text) = 0;

  // Ends the program: the own window goes away and no handler runs after the
  // current one returns.
  virtual void EndProgram() = 0;
};

}  // namespace zarnik
