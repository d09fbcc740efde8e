#include "e2e_support.h"

#include <algorithm>
#include <fstream>
#include <thread>

namespace zarnik::testing {

std::string WindowsPath(std::string path) {
  if (path.empty() || path.front() != '/') return path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return "Z:" + path;
}

ChildProcess::ChildProcess(const std::string& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  std::string mutableLine = commandLine;
  if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    return;
  }
  CloseHandle(started.hThread);
  process_.Reset(started.hProcess);
  id_ = started.dwProcessId;
}

ChildProcess::~ChildProcess() {
  if (!Running()) return;
  CloseWindows();
  if (!WaitForExit(3s)) Kill();
}

void ChildProcess::Kill() {
  if (!Running()) return;
  TerminateProcess(process_.Get(), 99);
  WaitForSingleObject(process_.Get(), 5000);
}

bool ChildProcess::Running() const {
  return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ChildProcess::WaitForExit(std::chrono::milliseconds patience) const {
  if (!process_) return std::nullopt;
  if (WaitForSingleObject(process_.Get(), static_cast<DWORD>(patience.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(process_.Get(), &exitCode);
  return exitCode;
}

void ChildProcess::CloseWindows() const {
  for (const HWND window : WindowsOf(id_, "")) PostMessageA(window, WM_CLOSE, 0, 0);
}

namespace {

struct WindowSearch {
  DWORD processId;
  const std::string& className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM extra) {
  auto& search = *reinterpret_cast<WindowSearch*>(extra);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  if (owner == search.processId && (search.className.empty() || search.className == name)) {
    search.found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> WindowsOf(DWORD processId, const std::string& className) {
  WindowSearch search{processId, className, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(DWORD processId, const std::string& className,
                   const std::function<bool(HWND)>& accept) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (const HWND window : WindowsOf(processId, className)) {
      if (accept(window)) found = window;
    }
    return found != nullptr;
  });
  return found;
}

std::string WindowText(HWND window) {
  char text[512] = {};
  const int length = GetWindowTextA(window, text, sizeof text);
  return std::string(text, static_cast<std::size_t>(std::max(length, 0)));
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> WaitForLines(const std::string& path, std::size_t count) {
  WaitUntil([&] { return ReadLines(path).size() >= count; });
  return ReadLines(path);
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(50ms);
  }
  return true;
}

}  // namespace zarnik::testing
