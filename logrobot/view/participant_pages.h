#pragma once

// The participants' pages: the upload form, the answer to an upload (which is
// also the participant's own page behind the private link, with the checked
// report once it is published), and the list of logs received.

#include <optional>
#include <string>
#include <vector>

#include "logrobot/reading/read_upload.h"
#include "logrobot/store/records.h"
#include "logrobot/view/page_frame.h"

namespace logrobot {

// The form, with what was typed before and why the log was not received.
std::string UploadPage(const PageContext& page, const UploadForm& typed,
                       const std::optional<Refusal>& refusal);

// Why an upload was refused, in the page's language.
std::string RefusalText(const RefusalReason reason, std::string_view detail,
                        const RobotTexts& texts);

// What the participant's page says of the checked report.
struct ReportShown {
  enum class State { kPending, kNotChecked, kReplaced, kShown } state = State::kPending;
  std::string text;                    // kShown: the report, UTF-8
  std::int64_t replacedByReceipt = 0;  // kReplaced
};

// The answer to an upload and the participant's page. `privateUrl` is the
// whole address of the page, shown as the link to keep.
std::string AnswerPage(const PageContext& page, const UploadRecord& upload,
                       const std::string& privateUrl, const ReportShown& report);

// The logs that count, as the major contests list them: call, category, QSO
// lines and when received; no e-mail addresses.
std::string ReceivedPage(const PageContext& page, const std::vector<UploadRecord>& counting);

// A page that only says something: no results yet, not found, an error.
std::string MessagePage(const PageContext& page, std::string_view titleUtf8,
                        std::string_view messageUtf8);

}  // namespace logrobot
