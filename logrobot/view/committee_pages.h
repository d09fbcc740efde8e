#pragma once

// The committee's pages: the login, and the one page of its work: every log
// received with its status, the check with its settings, the checks run with
// their results, publishing, and all logs as one zip. Every form that changes
// something carries the session's CSRF token.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "logrobot/store/records.h"
#include "logrobot/view/page_frame.h"

namespace logrobot {

std::string LoginPage(const PageContext& page, std::string_view noticeUtf8);

struct CommitteeView {
  std::vector<UploadRecord> uploads;           // all, in the order received
  std::map<std::string, std::int64_t> latest;  // the receipt that counts, by call
  std::vector<CheckRecord> checks;             // newest first
  std::optional<std::int64_t> published;
  bool checkRunning = false;
  std::string csrf;
  std::string notice;  // what the last action gave, UTF-8
};

std::string CommitteePage(const PageContext& page, const CommitteeView& view);

}  // namespace logrobot
