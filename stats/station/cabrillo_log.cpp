#include "stats/station/cabrillo_log.h"

#include <array>

namespace stats {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A header line: its text, followed by a value unless `value` is null.
struct HeaderLine {
  std::string_view text;
  std::string_view CabrilloHeader::*value;
};

constexpr std::array<HeaderLine, 12> kHeaderLines{{
    {"START-OF-LOG: 2.0", nullptr},
    {"CALLSIGN: ", &CabrilloHeader::callSign},
    {"CATEGORY: ", &CabrilloHeader::category},
    {"CLAIMED-SCORE: ", &CabrilloHeader::claimedScore},
    {"CLUB: ", &CabrilloHeader::club},
    {"CONTEST: KESDRA VELK", nullptr},
    {"CREATED-BY: MixW ", nullptr},
    {"NAME: ", &CabrilloHeader::name},
    {"ADDRESS: ", &CabrilloHeader::address},
    {"OPERATORS: ", &CabrilloHeader::operators},
    {"EMAIL: ", &CabrilloHeader::email},
    {"SOAPBOX: ", &CabrilloHeader::soapbox},
}};

constexpr std::string_view kEndOfLog = "END-OF-LOG:";

}  // namespace

std::string CabrilloLog(const CabrilloHeader& header, std::string_view includeFile,
                        const std::vector<std::string>& qsoLines) {
  std::string log;
  for (const HeaderLine& line : kHeaderLines) {
    log += line.text;
    if (line.value != nullptr) log += header.*line.value;
    log += kLineEnd;
  }
  log += includeFile;
  for (const std::string& qsoLine : qsoLines) log += qsoLine;
  log += kEndOfLog;
  log += kLineEnd;
  return log;
}

}  // namespace stats
