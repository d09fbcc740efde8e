#include "stats/rules/file_base_name.h"

#include <algorithm>

namespace stats {
namespace {

// White space as the C locale's isspace() sees it.
constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
constexpr std::string_view kForbiddenPrintable = "<>:\"|?*";

bool IsForbiddenInFileName(char c) {
  return static_cast<unsigned char>(c) < 0x20 ||
         kForbiddenPrintable.find(c) != std::string_view::npos;
}

// CON, PRN, AUX, NUL, COM1..COM9 and LPT1..LPT9 name devices, also with an
// extension ("CON.cbr"): the part before the first dot decides.
bool NamesADevice(std::string_view name) {
  std::string stem(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (char& c : stem) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
  return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
         stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace

std::string FileBaseName(std::string_view hostCall) {
  std::string name(hostCall);
  std::replace(name.begin(), name.end(), '/', '_');
  std::replace(name.begin(), name.end(), '\\', '_');
  const std::size_t first = name.find_first_not_of(kWhiteSpace);
  if (first == std::string::npos) return std::string(kFallbackFileBaseName);
  name = name.substr(first, name.find_last_not_of(kWhiteSpace) - first + 1);
  for (char& c : name) {
    if (IsForbiddenInFileName(c)) c = '_';
  }
  if (NamesADevice(name)) name.insert(0, "_");
  return name;
}

}  // namespace stats
