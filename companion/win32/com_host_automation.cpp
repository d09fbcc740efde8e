#include "companion/win32/com_host_automation.h"

#include <oleauto.h>

#include <string>

#include "companion/texts.h"
#include "companion/win32/unique_handle.h"

namespace zarnik::win32 {
namespace {

using UniqueBstr = UniqueHandle<BSTR, &SysFreeString>;

// A VARIANT that is cleared when it goes out of scope.
class ScopedVariant {
 public:
  ScopedVariant() { VariantInit(&value_); }
  ~ScopedVariant() { VariantClear(&value_); }
  ScopedVariant(const ScopedVariant&) = delete;
  ScopedVariant& operator=(const ScopedVariant&) = delete;
  VARIANT* Get() { return &value_; }

 private:
  VARIANT value_;
};

// The fields of an EXCEPINFO, freed when it goes out of scope.
class ScopedExcepInfo {
 public:
  ScopedExcepInfo() : info_{} {}
  ~ScopedExcepInfo() {
    SysFreeString(info_.bstrSource);
    SysFreeString(info_.bstrDescription);
    SysFreeString(info_.bstrHelpFile);
  }
  ScopedExcepInfo(const ScopedExcepInfo&) = delete;
  ScopedExcepInfo& operator=(const ScopedExcepInfo&) = delete;
  EXCEPINFO* Get() { return &info_; }

 private:
  EXCEPINFO info_;
};

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const wchar_t* text) {
  if (text == nullptr || *text == L'\0') return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string narrow(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), size, nullptr, nullptr);
  narrow.resize(narrow.size() - 1);  // the terminating zero
  return narrow;
}

// The system's text for an HRESULT, without the trailing line break.
std::string SystemDescription(HRESULT code) {
  char buffer[512] = {};
  const DWORD length =
      FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                     static_cast<DWORD>(code), 0, buffer, sizeof buffer, nullptr);
  std::string text(buffer, length);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
    text.pop_back();
  }
  return text.empty() ? "Automation error" : text;
}

AutomationError ErrorOf(HRESULT code) {
  return {static_cast<std::int32_t>(code), SystemDescription(code)};
}

// The error that the server raised through DISP_E_EXCEPTION.
AutomationError ErrorOf(EXCEPINFO& info) {
  if (info.pfnDeferredFillIn != nullptr) info.pfnDeferredFillIn(&info);
  const HRESULT code = info.scode != 0   ? info.scode
                       : info.wCode != 0 ? static_cast<HRESULT>(info.wCode)
                                         : DISP_E_EXCEPTION;
  std::string description = Narrow(info.bstrDescription);
  if (description.empty()) description = SystemDescription(code);
  return {static_cast<std::int32_t>(code), description};
}

}  // namespace

bool ComHostAutomation::Attach() {
  CLSID clsid{};
  if (FAILED(CLSIDFromProgID(Widen(kHostProgId).c_str(), &clsid))) return false;
  ComPtr<IUnknown> running;
  if (FAILED(GetActiveObject(clsid, nullptr, running.Put())) || !running) return false;
  ComPtr<IDispatch> dispatch;
  if (FAILED(running->QueryInterface(IID_IDispatch, dispatch.PutVoid())) || !dispatch) {
    return false;
  }
  hostApp_ = std::move(dispatch);
  return true;
}

std::optional<AutomationError> ComHostAutomation::ExecuteMacros(const std::string& macro) {
  if (!hostApp_) return ErrorOf(E_POINTER);

  std::wstring name = Widen(kExecuteMacrosName);
  LPOLESTR names[] = {name.data()};
  DISPID dispid = DISPID_UNKNOWN;
  HRESULT result = hostApp_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid);
  if (FAILED(result)) return ErrorOf(result);

  const std::wstring wideMacro = Widen(macro);
  const UniqueBstr text(SysAllocStringLen(wideMacro.data(), static_cast<UINT>(wideMacro.size())));
  if (!text) return ErrorOf(E_OUTOFMEMORY);
  VARIANTARG argument;
  VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = text.Get();
  DISPPARAMS parameters{&argument, nullptr, 1, 0};

  ScopedVariant ignoredResult;
  ScopedExcepInfo exception;
  UINT argumentError = 0;
  result = hostApp_->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters,
                            ignoredResult.Get(), exception.Get(), &argumentError);
  if (result == DISP_E_EXCEPTION) return ErrorOf(*exception.Get());
  if (FAILED(result)) return ErrorOf(result);
  return std::nullopt;
}

void ComHostAutomation::Release() { hostApp_.Reset(); }

}  // namespace zarnik::win32
