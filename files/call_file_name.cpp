#include "files/call_file_name.h"

namespace files {

std::string FileNameOfCall(std::string_view call) {
  std::string name;
  for (const char c : call.substr(0, kMaxFileNameOfCall)) {
    const bool kept =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    name += kept ? c : '_';
  }
  return name.empty() ? std::string("_") : name;
}

}  // namespace files
