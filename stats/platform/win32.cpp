// The platform of the Windows build: thin wrappers over the Win32 calls, and
// the C library's streams.

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "stats/platform/replace_file.h"
#include "stats/platform/stdio_files.h"
#include "stats/platform/win32_station_dialog.h"

namespace stats {
namespace {

class Win32Platform final : public StdioFilePlatform {
 public:
  UtcTime CurrentUtcTime() override {
    SYSTEMTIME now{};
    ::GetSystemTime(&now);
    return UtcTime{now.wYear,   now.wMonth,  now.wDay,         now.wHour,
                   now.wMinute, now.wSecond, now.wMilliseconds};
  }

  bool StartProgram(const std::string& commandLine) override {
    return ::WinExec(commandLine.c_str(), SW_SHOWNORMAL) > 31;
  }

  void ShowMessage(const std::string& text) override {
    ::MessageBoxA(nullptr, text.c_str(), nullptr, MB_OK);
  }

  std::string ReadProfileValue(const std::string& section, const std::string& key,
                               const std::string& defaultValue, const std::string& path,
                               std::size_t bufferSize) override {
    const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bufferSize, MAXDWORD));
    if (size == 0) return {};
    std::vector<char> buffer(size, '\0');
    const DWORD copied = ::GetPrivateProfileStringA(
        section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(), size, path.c_str());
    return std::string(buffer.data(), std::min<DWORD>(copied, size - 1));
  }

  bool WriteProfileValue(const std::string& section, const std::string& key,
                         const std::string& value, const std::string& path) override {
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                        path.c_str()) != 0;
  }

  bool EditStationDetails(StationDetailsForm& form) override {
    return ShowStationDetailsDialog(form);
  }

  bool ReplaceWholeFile(const std::string& path, std::string_view contents) override {
    return ReplaceFileContents(path, contents);
  }

 protected:
  bool Exists(const std::string& path) const override {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }
};

}  // namespace

std::unique_ptr<Platform> MakeSystemPlatform() { return std::make_unique<Win32Platform>(); }

}  // namespace stats
