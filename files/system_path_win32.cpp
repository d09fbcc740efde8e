#include <windows.h>

#include <string>

#include "files/system_path.h"

namespace files {
namespace {

constexpr std::wstring_view kLiteralPrefix = L"\\\\?\\";
constexpr std::wstring_view kLiteralUncPrefix = L"\\\\?\\UNC\\";

bool IsLiteral(const std::wstring& path) { return path.starts_with(kLiteralPrefix); }

// The length of the root of a real path ("\\?\C:\", "\\?\UNC\server\share\"),
// its last backslash included.
std::size_t RootLength(const std::wstring& real) {
  if (real.starts_with(kLiteralUncPrefix)) {
    const std::size_t server = real.find(L'\\', kLiteralUncPrefix.size());
    const std::size_t share =
        server == std::wstring::npos ? std::wstring::npos : real.find(L'\\', server + 1);
    return share == std::wstring::npos ? real.size() : share + 1;
  }
  const std::size_t start = IsLiteral(real) ? kLiteralPrefix.size() : 0;
  const std::size_t separator = real.find(L'\\', start);
  return separator == std::wstring::npos ? real.size() : separator + 1;
}

}  // namespace

std::filesystem::path AbsolutePath(const std::filesystem::path& path) {
  std::wstring full(MAX_PATH, L'\0');
  while (true) {
    const DWORD length =
        ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return path;
    if (length < full.size()) {
      full.resize(length);
      return full;
    }
    full.resize(length);
  }
}

std::filesystem::path NormalPath(const std::filesystem::path& path) {
  return IsLiteral(path.native()) ? path : path.lexically_normal();
}

std::optional<std::filesystem::path> RealPath(const std::filesystem::path& path) {
  const HANDLE handle =
      ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  std::wstring real(MAX_PATH, L'\0');
  DWORD length = 0;
  while (true) {
    length = ::GetFinalPathNameByHandleW(handle, real.data(), static_cast<DWORD>(real.size()),
                                         FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 || length < real.size()) break;
    real.resize(length);
  }
  ::CloseHandle(handle);
  if (length == 0) return std::nullopt;
  real.resize(length);
  return real;
}

std::optional<std::filesystem::path> HoldingFolder(const std::filesystem::path& real) {
  std::wstring text = real.native();
  const std::size_t root = RootLength(text);
  while (text.size() > root && text.back() == L'\\') text.pop_back();
  if (text.size() <= root) return std::nullopt;
  const std::size_t last = text.rfind(L'\\');
  return std::filesystem::path(text.substr(0, last < root ? root : last));
}

std::filesystem::path::string_type NameKey(std::filesystem::path::string_type name) {
  if (!name.empty()) ::CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
  return name;
}

}  // namespace files
