#pragma once

// What the store keeps: each upload with the answer it was given, the checks
// run and the one published.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logrobot/reading/log_facts.h"

namespace logrobot {

struct UploadRecord {
  std::int64_t receipt = 0;     // the receipt number, from 1; given by the store
  std::int64_t receivedAt = 0;  // Unix seconds
  std::string call;
  std::string category;
  std::string email;
  std::string soapbox;
  std::string address;  // where it came from
  bool late = false;
  std::string digest;  // of the log's bytes; given by the store
  std::int64_t bytes = 0;
  std::int64_t qsoLines = 0;
  std::int64_t claimed = 0;
  std::optional<std::int64_t> replaces;  // the receipt of the call that counted before
  LogFacts facts;                        // left empty in lists
};

enum class CheckState { kRunning, kDone, kFailed };

struct CheckRecord {
  std::int64_t id = 0;
  std::int64_t startedAt = 0;
  std::optional<std::int64_t> finishedAt;
  std::string options;  // as the committee set them, for the pages
  CheckState state = CheckState::kRunning;
  std::string message;                 // what crosscheck said
  std::vector<std::int64_t> receipts;  // the logs it checked
};

}  // namespace logrobot
