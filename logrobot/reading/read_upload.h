#pragma once

// An upload read and checked before anything is stored: the log read by the
// shared readers, the call and category entered (or, left empty, the log's
// own), the e-mail address and the soapbox. Either everything the robot keeps
// about it, or why it is refused.

#include <cstdint>
#include <string>
#include <variant>

#include "logrobot/contest/contest_file.h"
#include "logrobot/reading/log_facts.h"

namespace logrobot {

inline constexpr std::size_t kMaxLogBytes = std::size_t{5} << 20;

struct UploadForm {
  std::string log;  // the file's bytes
  std::string call;
  std::string category;
  std::string email;
  std::string soapbox;
};

enum class RefusalReason {
  kNoLog,
  kLogTooLarge,
  kLogNotRead,  // `detail`: why, in the readers' words
  kNoCall,      // neither entered nor in the log
  kBadCall,
  kNoCategory,  // neither chosen nor in the log
  kBadCategory,
  kBadEmail,
  kBadSoapbox,
  kLate,  // after the deadline, which the contest refuses
};

struct Refusal {
  RefusalReason reason = RefusalReason::kNoLog;
  std::string detail;
};

struct Entry {
  std::string call;
  std::string category;
  std::string email;
  std::string soapbox;
  bool late = false;
  LogFacts facts;
};

std::variant<Entry, Refusal> ReadUpload(const UploadForm& form, const ContestFile& contest,
                                        std::int64_t now);

// The file name under which the check reads the log of the call ("R3KV.log";
// crosscheck knows the format by the bytes). A log that names no call of its
// own is so taken for the call entered, at upload and in the check alike.
std::string CheckFileName(std::string_view call);

}  // namespace logrobot
