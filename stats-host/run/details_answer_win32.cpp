#include <windows.h>

#include <atomic>
#include <chrono>
#include <string_view>
#include <thread>

#include "stats-host/run/details_answer.h"

namespace stats_host {
namespace {

constexpr char kDialogClass[] = "#32770";

struct Search {
  DWORD processId = 0;
  HWND found = nullptr;
};

BOOL CALLBACK Inspect(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  char className[16] = {};
  ::GetClassNameA(window, className, sizeof className);
  if (owner == search->processId && ::IsWindowVisible(window) &&
      std::string_view(className) == kDialogClass) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindOwnDialog() {
  Search search{::GetCurrentProcessId(), nullptr};
  ::EnumWindows(Inspect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

// A thread that looks for a dialog of this process every 20 ms and presses OK
// once in each one it finds.
struct DetailsAnswer::State {
  std::atomic<bool> stop{false};
  std::atomic<bool> pressed{false};
  std::thread watcher;

  explicit State(bool confirm) {
    if (confirm) watcher = std::thread([this] { Watch(); });
  }

  void Watch() {
    HWND answered = nullptr;
    while (!stop.load()) {
      const HWND dialog = FindOwnDialog();
      if (dialog != nullptr && dialog != answered) {
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
        answered = dialog;
        pressed = true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  ~State() {
    stop = true;
    if (watcher.joinable()) watcher.join();
  }
};

DetailsAnswer::DetailsAnswer(bool confirm) : state_(std::make_unique<State>(confirm)) {}
DetailsAnswer::~DetailsAnswer() = default;
bool DetailsAnswer::Confirmed() const { return state_->pressed.load(); }

}  // namespace stats_host
