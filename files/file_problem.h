#pragma once

// What a failed file operation ran into, told in the reader's words: the
// errors our programs meet every day have words of their own (a full device,
// a file in use by another program, ...), any other one the system's text.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace files {

enum class FileProblem {
  kNoSpace,      // no space left on the device, or the quota is used up
  kTooLarge,     // larger than a file may grow here (the file-size limit, ulimit -f)
  kDenied,       // no permission
  kReadOnly,     // a read-only device
  kInUse,        // open in another program that keeps it to itself
  kMissing,      // no such file or folder
  kIsAFolder,    // a folder where a file should be
  kNotAFolder,   // a file where a folder should be
  kNameTooLong,  // a name or path too long for the system
  kExists,       // something is already there
  kOther,
};
inline constexpr std::size_t kFileProblemCount = static_cast<std::size_t>(FileProblem::kOther) + 1;

// The words for each problem, kOther's unused (the system's text stands there).
using FileProblemWords = std::array<std::string_view, kFileProblemCount>;

inline constexpr FileProblemWords kEnglishFileProblems = {
    "no space left on the device",
    "the file would be larger than this program may write (the file-size limit)",
    "permission denied",
    "the device is read-only",
    "it is in use by another program",
    "no such file or folder",
    "it is a folder",
    "a file stands where a folder should be",
    "the name is too long",
    "something of that name is already there",
    "",
};

// errno values, and on Windows the system's error codes too.
FileProblem ProblemOf(std::error_code error);
FileProblem ProblemOfErrno(int error);

// The system's own text for the error, in UTF-8, with its number: on Windows
// in the language of the user's system.
std::string SystemText(std::error_code error);

// The problem in `words`, or the system's text for any other error.
std::string ProblemText(std::error_code error, const FileProblemWords& words);

}  // namespace files
