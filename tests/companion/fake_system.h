#pragma once

// One fake for everything the companion asks of the system. It writes each call
// into `events`, in order, so that tests can compare whole sequences.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "companion/host_automation.h"
#include "companion/system.h"

namespace zarnik::testing {

class FakeSystem final : public HostAutomation, public System {
 public:
  // What the fake answers.
  bool hostRunning = true;
  bool otherCopyRunning = false;
  WindowHandle hostWindow = 42;
  std::map<std::string, AutomationError> failingMacros;

  // Run inside a call, to deliver another event while it is in progress.
  std::function<void()> duringExecuteMacros;
  std::function<void()> duringShowMessage;

  std::vector<std::string> events;

  bool Attach() override {
    events.push_back(hostRunning ? "Attach" : "Attach failed");
    return hostRunning;
  }

  std::optional<AutomationError> ExecuteMacros(const std::string& macro) override {
    events.push_back("ExecuteMacros " + macro);
    if (duringExecuteMacros) std::exchange(duringExecuteMacros, nullptr)();
    const auto failure = failingMacros.find(macro);
    if (failure == failingMacros.end()) return std::nullopt;
    return failure->second;
  }

  void Release() override { events.push_back("Release"); }

  WindowHandle FindHostWindow() override {
    events.push_back("FindHostWindow");
    return hostWindow;
  }

  void MakeTopmost() override { events.push_back("MakeTopmost"); }

  void SetForeground(WindowHandle window) override {
    events.push_back("SetForeground " + std::to_string(window));
  }

  void Show() override { events.push_back("Show"); }

  bool AcquireInstanceLock() override {
    events.push_back(otherCopyRunning ? "Acquire failed" : "Acquire");
    return !otherCopyRunning;
  }

  void ShowMessage(const std::string& text) override {
    events.push_back("ShowMessage " + text);
    if (duringShowMessage) std::exchange(duringShowMessage, nullptr)();
  }

  void EndProgram() override { events.push_back("EndProgram"); }
};

}  // namespace zarnik::testing
