#include "files/file_problem.h"

#include <cerrno>

namespace files {

// The errno values, the same on every system.
FileProblem ProblemOfErrno(int error) {
  switch (error) {
    case ENOSPC:
#if defined(EDQUOT)
    case EDQUOT:
#endif
      return FileProblem::kNoSpace;
    case EFBIG:
      return FileProblem::kTooLarge;
    case EACCES:
    case EPERM:
      return FileProblem::kDenied;
    case EROFS:
      return FileProblem::kReadOnly;
    case EBUSY:
    case ETXTBSY:
      return FileProblem::kInUse;
    case ENOENT:
      return FileProblem::kMissing;
    case EISDIR:
      return FileProblem::kIsAFolder;
    case ENOTDIR:
      return FileProblem::kNotAFolder;
    case ENAMETOOLONG:
      return FileProblem::kNameTooLong;
    case EEXIST:
    case ENOTEMPTY:
      return FileProblem::kExists;
    default:
      return FileProblem::kOther;
  }
}

std::string ProblemText(std::error_code error, const FileProblemWords& words) {
  const FileProblem problem = ProblemOf(error);
  return problem == FileProblem::kOther ? SystemText(error)
                                        : std::string(words[static_cast<std::size_t>(problem)]);
}

}  // namespace files
