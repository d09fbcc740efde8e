#pragma once

// Drives the station-details dialog of this process from a second thread, as
// an operator would: waits for it, notes what it shows, types, and presses a
// button. Windows build only.

#include <windows.h>

#include <chrono>
#include <map>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "stats/resources/resource.h"

namespace stats::testing {

inline constexpr int kStationControlIds[] = {IDC_CONTEST, IDC_CALLSIGN, IDC_CLAIMED,   IDC_CATEGORY,
                                             IDC_NAME,    IDC_ADDRESS,  IDC_OPERATORS, IDC_CLUB,
                                             IDC_SOAPBOX, IDC_EMAIL};

struct SeenDialog {
  bool found = false;
  HWND window = nullptr;
  std::map<int, std::string> texts;  // control id -> text shown
  std::vector<std::string> categoryItems;
};

struct OperatorActions {
  std::vector<std::pair<int, std::string>> typed;  // control id -> text to put there
  int categoryIndex = -1;                          // list entry to pick, if any
  int button = IDOK;
};

inline std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
  return text;
}

inline HWND FindOwnStationDialog() {
  for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", "Kesdra Velk"); window != nullptr;
       window = FindWindowExA(nullptr, window, "#32770", "Kesdra Velk")) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

inline SeenDialog OperateStationDialog(const OperatorActions& actions) {
  SeenDialog seen;
  for (int attempt = 0; attempt < 1000 && seen.window == nullptr; ++attempt) {
    seen.window = FindOwnStationDialog();
    if (seen.window == nullptr) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (seen.window == nullptr) return seen;
  seen.found = true;
  const HWND dialog = seen.window;
  for (const int id : kStationControlIds) seen.texts[id] = WindowText(GetDlgItem(dialog, id));
  const HWND category = GetDlgItem(dialog, IDC_CATEGORY);
  const auto count = SendMessageA(category, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const auto length = SendMessageA(category, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::string item(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    SendMessageA(category, CB_GETLBTEXT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    seen.categoryItems.push_back(item);
  }
  if (actions.categoryIndex >= 0) {
    SendMessageA(category, CB_SETCURSEL, static_cast<WPARAM>(actions.categoryIndex), 0);
  }
  for (const auto& [id, text] : actions.typed) SetDlgItemTextA(dialog, id, text.c_str());
  PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(actions.button), 0);
  return seen;
}

// Operates the dialog on its own thread from construction; Seen() waits for it.
class DialogOperator {
 public:
  explicit DialogOperator(OperatorActions actions)
      : thread_([this, actions = std::move(actions)] { seen_ = OperateStationDialog(actions); }) {}
  ~DialogOperator() {
    if (thread_.joinable()) thread_.join();
  }
  DialogOperator(const DialogOperator&) = delete;
  DialogOperator& operator=(const DialogOperator&) = delete;

  const SeenDialog& Seen() {
    if (thread_.joinable()) thread_.join();
    return seen_;
  }

 private:
  SeenDialog seen_;
  std::thread thread_;
};

}  // namespace stats::testing
