#pragma once

// The test host's automation object: answers ExecuteMacros by appending the
// macro text as a line to a log file, and can be told to refuse every macro.

#include <windows.h>
// After windows.h:
#include <oleauto.h>

#include <string>

namespace zarnik::testing {

// The error that a refusing host raises.
inline constexpr HRESULT kRefusedMacroCode = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x1234);
inline constexpr wchar_t kRefusedMacroDescription[] = L"Macro refused by the test host";

class MacroRecorder final : public IDispatch {
 public:
  MacroRecorder(std::string logPath, bool refuseMacros);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override;

 private:
  ~MacroRecorder() = default;
  void Record(const wchar_t* macro) const;

  LONG references_ = 1;
  std::string logPath_;
  bool refuseMacros_;
};

}  // namespace zarnik::testing
