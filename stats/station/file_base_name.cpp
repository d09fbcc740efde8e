#include "stats/station/file_base_name.h"

#include "stats/station/replace_all.h"

namespace stats {
namespace {

// White space as the C locale's isspace() sees it.
constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
constexpr std::string_view kForbiddenPrintable = "<>:\"|?*";

bool IsForbiddenInFileName(char c) {
  return static_cast<unsigned char>(c) < 0x20 ||
         kForbiddenPrintable.find(c) != std::string_view::npos;
}

}  // namespace

std::string FileBaseName(std::string_view hostCall) {
  std::string name = ReplaceAll(ReplaceAll(hostCall, "/", "_"), "\\", "_");
  const std::size_t first = name.find_first_not_of(kWhiteSpace);
  if (first == std::string::npos) return std::string(kFallbackFileBaseName);
  name = name.substr(first, name.find_last_not_of(kWhiteSpace) - first + 1);
  for (char& c : name) {
    if (IsForbiddenInFileName(c)) c = '_';
  }
  return name;
}

}  // namespace stats
