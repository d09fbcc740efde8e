#include "logs/radio/mode.h"

#include <algorithm>
#include <iterator>

#include "logs/text/ascii.h"

namespace logs {
namespace {

// Mode and submode (capitals, "*" for any submode) to the host's name.
struct ModeName {
  std::string_view mode;
  std::string_view submode;
  std::string_view hostName;
};

constexpr ModeName kModeNames[] = {
    {"CW", "*", "CW"},           {"SSB", "*", "SSB"},         {"PSK", "PSK63", "BPSK63"},
    {"PSK", "BPSK63", "BPSK63"}, {"PSK", "BPSK62", "BPSK62"}, {"PSK63", "*", "BPSK63"},
    {"BPSK63", "*", "BPSK63"},   {"BPSK62", "*", "BPSK62"},   {"USB", "*", "SSB"},
    {"LSB", "*", "SSB"},
};

}  // namespace

std::string HostModeName(std::string_view adifMode, std::string_view adifSubmode) {
  const std::string mode = UpperCopy(Trimmed(adifMode));
  const std::string submode = UpperCopy(Trimmed(adifSubmode));
  const auto found =
      std::find_if(std::begin(kModeNames), std::end(kModeNames), [&](const ModeName& entry) {
        return entry.mode == mode && (entry.submode == "*" || entry.submode == submode);
      });
  if (found != std::end(kModeNames)) return std::string(found->hostName);
  return submode.empty() ? mode : submode;
}

}  // namespace logs
