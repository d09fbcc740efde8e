#include <windows.h>

#include <string_view>

#include "files/folder_entries.h"

namespace files {
namespace {

std::error_code LastError() { return {static_cast<int>(::GetLastError()), std::system_category()}; }

// A find handle, closed when the object goes.
class Search {
 public:
  Search(const std::wstring& pattern, WIN32_FIND_DATAW& found)
      : handle_(::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                   nullptr, 0)) {}
  ~Search() {
    if (handle_ != INVALID_HANDLE_VALUE) ::FindClose(handle_);
  }
  Search(const Search&) = delete;
  Search& operator=(const Search&) = delete;

  bool Opened() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAW& found) const { return ::FindNextFileW(handle_, &found) != 0; }

 private:
  HANDLE handle_;
};

}  // namespace

std::error_code ReadFolder(const std::filesystem::path& folder, std::vector<FolderEntry>& entries) {
  entries.clear();
  std::wstring pattern = folder.native();
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW found{};
  const Search search(pattern, found);
  if (!search.Opened()) return LastError();
  do {
    const std::wstring_view name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const DWORD attributes = found.dwFileAttributes;
    entries.push_back({folder / name, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                       (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
  } while (search.Next(found));
  if (::GetLastError() != ERROR_NO_MORE_FILES) {
    const std::error_code error = LastError();
    entries.clear();
    return error;
  }
  return {};
}

}  // namespace files
