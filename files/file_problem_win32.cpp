#include <windows.h>

#include <string>

#include "files/file_problem.h"

namespace files {
namespace {

FileProblem ProblemOfSystemError(DWORD error) {
  switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FileProblem::kNoSpace;
    case ERROR_FILE_TOO_LARGE:
      return FileProblem::kTooLarge;
    case ERROR_ACCESS_DENIED:
      return FileProblem::kDenied;
    case ERROR_WRITE_PROTECT:
      return FileProblem::kReadOnly;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
      return FileProblem::kInUse;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return FileProblem::kMissing;
    case ERROR_DIRECTORY:
      return FileProblem::kNotAFolder;
    case ERROR_FILENAME_EXCED_RANGE:
      return FileProblem::kNameTooLong;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
    case ERROR_DIR_NOT_EMPTY:
      return FileProblem::kExists;
    default:
      return FileProblem::kOther;
  }
}

std::string Utf8Of(const wchar_t* text, std::size_t length) {
  if (length == 0) return {};
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0,
                                         nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), utf8.data(), size, nullptr,
                        nullptr);
  return utf8;
}

}  // namespace

FileProblem ProblemOf(std::error_code error) {
  if (error.category() == std::generic_category()) return ProblemOfErrno(error.value());
  return ProblemOfSystemError(static_cast<DWORD>(error.value()));
}

std::string SystemText(std::error_code error) {
  if (error.category() == std::generic_category()) {
    return error.message() + " (errno " + std::to_string(error.value()) + ")";
  }
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(error.value()), 0, reinterpret_cast<wchar_t*>(&buffer), 0,
      nullptr);
  std::wstring_view text(buffer, buffer == nullptr ? 0 : length);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' ||
                           text.back() == L'.')) {
    text.remove_suffix(1);
  }
  std::string utf8 = Utf8Of(text.data(), text.size());
  ::LocalFree(buffer);
  const std::string code = "error " + std::to_string(error.value());
  return utf8.empty() ? code : utf8 + " (" + code + ")";
}

}  // namespace files
