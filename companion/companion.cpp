#include "companion/companion.h"

#include <cstdint>
#include <cstdio>

#include "companion/texts.h"

namespace zarnik {

Companion::Companion(HostAutomation& hostApp, System& system)
    : hostApp_(hostApp), system_(system) {}

void Companion::OnLoad() {
  if (state_ == State::kStarting) Run([this] { Start(); });
}

void Companion::OnCommand1Click() {
  if (state_ == State::kRunning) Run([this] { SendModeMacro(kMacroModeCw); });
}

void Companion::OnCommand3Click() {
  if (state_ == State::kRunning) Run([this] { SendModeMacro(kMacroModeSsb); });
}

void Companion::OnTimer1Tick() {
  // Ticks wait for the start-up to finish: one during the "not loaded" box
  // would take the box away before it could be read.
  if (state_ == State::kRunning) Run([this] { CheckHost(); });
}

void Companion::OnUnload() {
  if (state_ == State::kEnded) return;
  if (handling_) {
    closeRequested_ = true;
    return;
  }
  Shutdown();
}

template <typename Handler>
void Companion::Run(Handler handler) {
  if (handling_) return;
  handling_ = true;
  handler();
  handling_ = false;
  if (closeRequested_ && state_ != State::kEnded) Shutdown();
}

void Companion::Start() {
  if (!hostApp_.Attach()) {
    system_.ShowMessage(kHostNotLoadedMessage);
    End();
    return;
  }
  if (!system_.AcquireInstanceLock()) {
    End();
    return;
  }
  hostWindow_ = system_.FindHostWindow();
  system_.MakeTopmost();
  // The start-up macros are a convenience: a host that refuses them is still
  // served by the buttons, so their failures are not reported.
  static_cast<void>(hostApp_.ExecuteMacros(kMacroModeBpsk31));
  static_cast<void>(hostApp_.ExecuteMacros(kMacroBaudRate31));
  HandFocusToHost();
  system_.Show();
  state_ = State::kRunning;
}

void Companion::SendModeMacro(const std::string& macro) {
  if (const auto error = hostApp_.ExecuteMacros(macro)) {
    system_.ShowMessage(FormatAutomationError(*error));
    End();
    return;
  }
  HandFocusToHost();
}

void Companion::CheckHost() {
  if (!hostApp_.Attach()) End();
}

void Companion::Shutdown() {
  hostApp_.Release();
  End();
}

void Companion::HandFocusToHost() {
  if (hostWindow_ != kNoWindow) system_.SetForeground(hostWindow_);
}

void Companion::End() {
  state_ = State::kEnded;
  system_.EndProgram();
}

std::string FormatAutomationError(const AutomationError& error) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX",
                static_cast<unsigned long>(static_cast<std::uint32_t>(error.code)));
  return std::string("Automation error ") + code + "\n\n" + error.description;
}

}  // namespace zarnik
