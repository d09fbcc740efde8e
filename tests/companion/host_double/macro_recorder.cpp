#include "macro_recorder.h"

#include <string>
#include <utility>

#include "companion/win32/unique_handle.h"

namespace zarnik::testing {
namespace {

constexpr DISPID kExecuteMacrosId = 1;

using UniqueFile = win32::UniqueHandle<HANDLE, &CloseHandle>;

}  // namespace

MacroRecorder::MacroRecorder(std::string logPath, bool refuseMacros)
    : logPath_(std::move(logPath)), refuseMacros_(refuseMacros) {}

HRESULT MacroRecorder::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG MacroRecorder::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG MacroRecorder::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT MacroRecorder::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT MacroRecorder::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT MacroRecorder::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
  // Names are looked up without regard to case, as automation clients expect.
  const bool known = CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, names[0], -1,
                                    L"ExecuteMacros", -1) == CSTR_EQUAL;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  if (!known) return DISP_E_UNKNOWNNAME;
  ids[0] = kExecuteMacrosId;
  return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT MacroRecorder::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                              VARIANT* result, EXCEPINFO* exception, UINT*) {
  if (id != kExecuteMacrosId) return DISP_E_MEMBERNOTFOUND;
  if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
  if (parameters == nullptr || parameters->cArgs != 1) return DISP_E_BADPARAMCOUNT;

  VARIANT text;
  VariantInit(&text);
  const HRESULT converted = VariantChangeType(&text, &parameters->rgvarg[0], 0, VT_BSTR);
  if (FAILED(converted)) return DISP_E_TYPEMISMATCH;
  Record(text.bstrVal);
  VariantClear(&text);

  if (result != nullptr) VariantInit(result);
  if (!refuseMacros_) return S_OK;
  if (exception != nullptr) {
    *exception = EXCEPINFO{};
    exception->bstrSource = SysAllocString(L"MixW2.Application");
    exception->bstrDescription = SysAllocString(kRefusedMacroDescription);
    exception->scode = kRefusedMacroCode;
  }
  return DISP_E_EXCEPTION;
}

void MacroRecorder::Record(const wchar_t* macro) const {
  if (macro == nullptr) macro = L"";  // an empty BSTR may be null
  const int size = WideCharToMultiByte(CP_UTF8, 0, macro, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return;
  std::string line(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, macro, -1, line.data(), size, nullptr, nullptr);
  line.back() = '\n';  // in place of the terminating zero

  const HANDLE opened = CreateFileA(logPath_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return;
  const UniqueFile file(opened);
  DWORD written = 0;
  WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace zarnik::testing
