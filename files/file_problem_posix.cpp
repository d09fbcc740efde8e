#include <cstring>

#include "files/file_problem.h"

namespace files {

// On POSIX the system's codes are errno values too.
FileProblem ProblemOf(std::error_code error) { return ProblemOfErrno(error.value()); }

std::string SystemText(std::error_code error) {
  return std::string(std::strerror(error.value())) + " (errno " + std::to_string(error.value()) +
         ")";
}

}  // namespace files
