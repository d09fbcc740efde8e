#pragma once

// The host's automation through COM: the running-object table and late-bound
// IDispatch calls.

#include <windows.h>
// After windows.h:
#include <objbase.h>
#include <oleauto.h>

#include "companion/host_automation.h"
#include "companion/win32/com_ptr.h"

namespace zarnik::win32 {

class ComHostAutomation final : public HostAutomation {
 public:
  bool Attach() override;
  std::optional<AutomationError> ExecuteMacros(const std::string& macro) override;
  void Release() override;

 private:
  ComPtr<IDispatch> hostApp_;
};

// COM for the calling thread, single-threaded apartment, for the object's
// lifetime.
class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  HRESULT result_;
};

}  // namespace zarnik::win32
