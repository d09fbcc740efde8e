#include <windows.h>

#include <algorithm>
#include <vector>

#include "files/file_system.h"
#include "files/folder_entries.h"

namespace files {
namespace {

std::error_code LastError() { return {static_cast<int>(::GetLastError()), std::system_category()}; }

// A handle, closed when the object goes.
class Win32WritingFile final : public WritingFile {
 public:
  explicit Win32WritingFile(HANDLE handle) : handle_(handle) {}
  ~Win32WritingFile() override {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }
  Win32WritingFile(const Win32WritingFile&) = delete;
  Win32WritingFile& operator=(const Win32WritingFile&) = delete;

  std::error_code Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      DWORD written = 0;
      if (!::WriteFile(handle_, bytes.data(), chunk, &written, nullptr)) return LastError();
      if (written == 0) return std::error_code(ERROR_WRITE_FAULT, std::system_category());
      bytes.remove_prefix(written);
    }
    return {};
  }

  // The file is made `bytes` long, which takes its room on the device.
  std::error_code Reserve(std::uint64_t bytes) override {
    LARGE_INTEGER size{};
    size.QuadPart = static_cast<LONGLONG>(bytes);
    if (!::SetFilePointerEx(handle_, size, nullptr, FILE_BEGIN) || !::SetEndOfFile(handle_)) {
      return LastError();
    }
    return {};
  }

  std::error_code Close() override {
    std::error_code error = ::FlushFileBuffers(handle_) ? std::error_code() : LastError();
    if (!::CloseHandle(handle_) && !error) error = LastError();
    handle_ = INVALID_HANDLE_VALUE;
    return error;
  }

 private:
  HANDLE handle_;
};

class Win32FileSystem final : public FileSystem {
 public:
  std::error_code CreateNewFile(const std::filesystem::path& path,
                                std::unique_ptr<WritingFile>& file) override {
    // CREATE_NEW: also fails on a link of that name, whatever it points to.
    const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return LastError();
    file = std::make_unique<Win32WritingFile>(handle);
    return {};
  }

  std::error_code CreateFolder(const std::filesystem::path& path) override {
    return ::CreateDirectoryW(path.c_str(), nullptr) ? std::error_code() : LastError();
  }

  std::error_code Move(const std::filesystem::path& from, const std::filesystem::path& to,
                       bool replace) override {
    const DWORD flags = replace ? MOVEFILE_REPLACE_EXISTING : 0;
    return ::MoveFileExW(from.c_str(), to.c_str(), flags) ? std::error_code() : LastError();
  }

  // Also behind a "\\?\" path past 260 characters, where remove_all of this
  // tool chain can not list the folders it empties.
  std::error_code Remove(const std::filesystem::path& path) override {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      const DWORD why = ::GetLastError();
      return why == ERROR_FILE_NOT_FOUND || why == ERROR_PATH_NOT_FOUND ? std::error_code()
                                                                        : LastError();
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      return ::DeleteFileW(path.c_str()) ? std::error_code() : LastError();
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
      std::vector<FolderEntry> entries;
      if (const std::error_code error = ReadFolder(path, entries)) return error;
      for (const FolderEntry& entry : entries) {
        if (const std::error_code error = Remove(entry.path)) return error;
      }
    }
    return ::RemoveDirectoryW(path.c_str()) ? std::error_code() : LastError();
  }

  std::error_code CanAppendTo(const std::filesystem::path& path) override {
    // Shared the way the C library opens a file to append to it.
    const HANDLE handle =
        ::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return LastError();
    ::CloseHandle(handle);
    return {};
  }
};

}  // namespace

std::unique_ptr<FileSystem> MakeSystemFileSystem() { return std::make_unique<Win32FileSystem>(); }

void FailWritesPastSizeLimit() {}

}  // namespace files
