#include "stats/platform/win32_station_dialog.h"

#include <windows.h>

#include <string>
#include <vector>

#include "stats/platform/station_form_layout.h"
#include "stats/resources/resource.h"

namespace stats {
namespace {

std::string ControlTextOf(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  if (control == nullptr) return {};
  const int length = GetWindowTextLengthA(control);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(control, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

// The category box lists the choices; a preset that is one of them is
// selected, any other stands in its edit part.
void PresetCategory(HWND dialog, int id, const std::string& category) {
  const HWND box = GetDlgItem(dialog, id);
  for (const std::string_view choice : kEntryCategories) {
    const std::string item(choice);
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  const LRESULT index = SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(category.c_str()));
  if (index != CB_ERR) SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  if (index == CB_ERR || ControlTextOf(dialog, id) != category) {
    SetWindowTextA(box, category.c_str());
  }
}

// Both directions of the data exchange go through the fields in the order of
// the form's members.
void Preset(HWND dialog, const StationDetailsForm& form) {
  for (const FormField& field : kFormFields) {
    if (field.kind == FieldKind::kCategory) {
      PresetCategory(dialog, field.controlId, form.*field.text);
    } else {
      SetDlgItemTextA(dialog, field.controlId, (form.*field.text).c_str());
    }
  }
}

StationDetailsForm TakeBack(HWND dialog) {
  StationDetailsForm form;
  for (const FormField& field : kFormFields) {
    form.*field.text = ControlTextOf(dialog, field.controlId);
  }
  return form;
}

// Nothing may be thrown through the system's frames: a failure while
// presetting or reading back closes the dialog as cancelled.
INT_PTR CALLBACK StationDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept {
  try {
    switch (message) {
      case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        Preset(dialog, *reinterpret_cast<const StationDetailsForm*>(lParam));
        return TRUE;
      case WM_COMMAND:
        switch (LOWORD(wParam)) {
          case IDOK: {
            auto* const form =
                reinterpret_cast<StationDetailsForm*>(GetWindowLongPtrA(dialog, DWLP_USER));
            *form = TakeBack(dialog);
            EndDialog(dialog, IDOK);
            return TRUE;
          }
          case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
          default:
            return FALSE;
        }
      default:
        return FALSE;
    }
  } catch (...) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
}

// The module whose resources hold template 101: the one this code is linked into.
HINSTANCE OwnModule() {
  HMODULE module = nullptr;
  const BOOL found = GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&StationDialogProc), &module);
  return found ? module : nullptr;
}

}  // namespace

bool ShowStationDetailsDialog(StationDetailsForm& form) noexcept {
  try {
    StationDetailsForm edited = form;
    const INT_PTR result =
        DialogBoxParamA(OwnModule(), MAKEINTRESOURCEA(IDD_STATION_DETAILS), nullptr,
                        StationDialogProc, reinterpret_cast<LPARAM>(&edited));
    if (result != IDOK) return false;
    form = std::move(edited);
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace stats
