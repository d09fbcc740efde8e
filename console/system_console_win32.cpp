#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <utility>

#include "console/system_console.h"

namespace console {
namespace {

HANDLE HandleOf(StandardStream stream) {
  return ::GetStdHandle(stream == StandardStream::kOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode);
}

std::wstring Utf16Of(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), size);
  text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return text;
}

}  // namespace

std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) {
    const int length = static_cast<int>(std::wcslen(argv[i]));
    std::string text(static_cast<std::size_t>(length) * 3, '\0');
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, argv[i], length, text.data(),
                                           static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(static_cast<std::size_t>(size > 0 ? size : 0));
    arguments.push_back(std::move(text));
  }
  return arguments;
}

std::optional<ConsoleWriter> SystemConsoleWriter(StandardStream stream) {
  const HANDLE console = HandleOf(stream);
  if (!IsConsole(console)) return std::nullopt;
  return ConsoleWriter([console](std::string_view utf8) {
    const std::wstring text = Utf16Of(utf8);
    for (std::size_t done = 0; done < text.size();) {
      DWORD written = 0;
      const DWORD size = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 8192));
      if (!::WriteConsoleW(console, text.data() + done, size, &written, nullptr) || written == 0) {
        return false;
      }
      done += written;
    }
    return true;
  });
}

bool StartedInWindowOfItsOwn() {
  DWORD processes[2] = {};
  return ::GetConsoleProcessList(processes, 2) == 1 &&
         IsConsole(::GetStdHandle(STD_INPUT_HANDLE)) &&
         IsConsole(::GetStdHandle(STD_OUTPUT_HANDLE));
}

bool OpenInBrowser(const std::filesystem::path& page) {
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteW(nullptr, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace console
