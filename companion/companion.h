#pragma once

// The companion's behaviour: the handlers of its window Form1, written against
// two interfaces, the host's automation and the system around the program, so
// that it runs the same with the Win32 adapters and with test fakes.

#include <string>

#include "companion/host_automation.h"
#include "companion/system.h"

namespace zarnik {

class Companion {
 public:
  Companion(HostAutomation& hostApp, System& system);

  Companion(const Companion&) = delete;
  Companion& operator=(const Companion&) = delete;

  // Window load: attaches to the host, takes the single-copy mark, puts the
  // host into BPSK at 31 baud and shows the window topmost; or ends the program.
  void OnLoad();

  // Clicks of Command1 ("CW") and Command3 ("SSB").
  void OnCommand1Click();
  void OnCommand3Click();

  // Timer1, every 500 ms: ends the program silently once the host is gone.
  void OnTimer1Tick();

  // Window unload: lets go of the host and ends the program.
  void OnUnload();

  bool Running() const { return state_ == State::kRunning; }
  bool Ended() const { return state_ == State::kEnded; }

 private:
  enum class State { kStarting, kRunning, kEnded };

  // Runs one handler. Handlers do not nest: an event that arrives while one
  // runs (a tick during a message box or an automation call) is dropped, and a
  // close is carried out once the running handler is done.
  template <typename Handler>
  void Run(Handler handler);

  void Start();
  void SendModeMacro(const std::string& macro);
  void CheckHost();
  void Shutdown();
  void HandFocusToHost();
  void End();

  HostAutomation& hostApp_;
  System& system_;

  WindowHandle hostWindow_ = kNoWindow;
  State state_ = State::kStarting;
  bool handling_ = false;
  bool closeRequested_ = false;
};

// The text of the box that reports a failed automation call: its code in
// hexadecimal and its description.
std::string FormatAutomationError(const AutomationError& error);

}  // namespace zarnik
