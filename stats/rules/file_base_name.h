#pragma once

#include <string>
#include <string_view>

namespace stats {

inline constexpr std::string_view kFallbackFileBaseName = "ZORVA";

// The base name of the Cabrillo file for the host's call sign: "/" and "\"
// become "_", white space at both ends goes, then every other character that
// Windows forbids in a file name (< > : " | ? * and control characters)
// becomes "_"; a name that Windows takes for a device (CON, NUL, COM1...) gets
// a leading "_"; an empty result gives "ZORVA".
std::string FileBaseName(std::string_view hostCall);

}  // namespace stats
