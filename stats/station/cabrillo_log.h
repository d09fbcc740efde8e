#pragma once

// The bytes of a Cabrillo 2.0 log: the fixed header, the operator's include
// file unchanged, the QSO lines and the closing line.

#include <string>
#include <string_view>
#include <vector>

namespace stats {

// Header values; address and soapbox in Cabrillo form.
struct CabrilloHeader {
  std::string_view callSign;
  std::string_view category;
  std::string_view claimedScore;
  std::string_view club;
  std::string_view name;
  std::string_view address;
  std::string_view operators;
  std::string_view email;
  std::string_view soapbox;
};

std::string CabrilloLog(const CabrilloHeader& header, std::string_view includeFile,
                        const std::vector<std::string>& qsoLines);

}  // namespace stats
