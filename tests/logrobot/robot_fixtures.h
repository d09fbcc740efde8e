#pragma once

// A contest, logs and forms for the robot's tests.

#include <cstdint>
#include <string>
#include <vector>

#include "logrobot/contest/contest_file.h"
#include "logrobot/reading/read_upload.h"

namespace logrobot {

inline constexpr std::int64_t kContestStart = 1708268400;  // 2024-02-18 15:00 UTC

inline constexpr const char* kSampleContestJson = R"({
  "name": {"en": "Kesdra Velk Test 2024", "ru": "Кесдра Велк 2024"},
  "period": {"from": "2024-02-18 15:00", "to": "2024-02-18 19:00"},
  "deadline": "2024-02-25 00:00",
  "late_logs": "mark",
  "categories": ["SOAB-CW-LP", "SOAB-CW-HP", "SOAB-SSB-LP", "SOAB-SSB-HP", "MOAB-MIX"]
})";

inline const ContestFile& SampleContest() {
  static const ContestFile contest = std::get<ContestFile>(ParseContestFile(kSampleContestJson));
  return contest;
}

// A Cabrillo 3.0 log: five header lines, then the QSO lines (one ordinary
// QSO when none are given).
inline std::string CabrilloLog(const std::string& call, const std::string& category,
                               std::vector<std::string> qsoLines, const std::string& soapbox = {}) {
  if (qsoLines.empty())
    qsoLines = {"QSO: 3550 CW 2024-02-18 1500 " + call + " 599 001 UA1A 599 W12"};
  std::string log = "START-OF-LOG: 3.0\nCALLSIGN: " + call + "\nCATEGORY: " + category +
                    "\nCONTEST: KESDRA-VELK\nSOAPBOX: " + soapbox + "\n";
  for (const std::string& line : qsoLines) log += line + "\n";
  return log + "END-OF-LOG:\n";
}

inline UploadForm Form(std::string log) {
  UploadForm form;
  form.log = std::move(log);
  form.email = "op@example.org";
  return form;
}

}  // namespace logrobot
