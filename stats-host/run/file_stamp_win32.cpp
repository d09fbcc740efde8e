#include <windows.h>

#include "stats-host/run/output_check.h"

namespace stats_host {

std::optional<FileStamp> StampOf(const std::filesystem::path& file) {
  const HANDLE handle =
      ::CreateFileW(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION information{};
  const bool known = ::GetFileInformationByHandle(handle, &information) != 0;
  ::CloseHandle(handle);
  if (!known) return std::nullopt;
  const auto join = [](DWORD high, DWORD low) {
    return (static_cast<std::uint64_t>(high) << 32) | low;
  };
  return FileStamp{information.dwVolumeSerialNumber,
                   join(information.nFileIndexHigh, information.nFileIndexLow),
                   join(information.nFileSizeHigh, information.nFileSizeLow),
                   static_cast<std::int64_t>(join(information.ftLastWriteTime.dwHighDateTime,
                                                  information.ftLastWriteTime.dwLowDateTime))};
}

}  // namespace stats_host
