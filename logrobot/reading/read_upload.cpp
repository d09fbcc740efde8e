#include "logrobot/reading/read_upload.h"

#include "files/call_file_name.h"
#include "files/utf8_path.h"
#include "logrobot/reading/entered_text.h"
#include "logs/file/read_log_file.h"
#include "logs/text/ascii.h"

namespace logrobot {
namespace {

Refusal Refused(RefusalReason reason, std::string detail = {}) {
  return Refusal{reason, std::move(detail)};
}

}  // namespace

std::string CheckFileName(std::string_view call) { return files::FileNameOfCall(call) + ".log"; }

std::variant<Entry, Refusal> ReadUpload(const UploadForm& form, const ContestFile& contest,
                                        std::int64_t now) {
  if (form.log.empty()) return Refused(RefusalReason::kNoLog);
  if (form.log.size() > kMaxLogBytes) return Refused(RefusalReason::kLogTooLarge);
  Entry entry;
  const bool callTyped = !logs::Trimmed(form.call).empty();
  if (callTyped) {
    const auto call = CleanCall(form.call);
    if (!call) return Refused(RefusalReason::kBadCall);
    entry.call = *call;
  }
  const bool categoryChosen = !form.category.empty();
  if (categoryChosen) {
    const auto category = ContestCategory(form.category, contest.categories);
    if (!category || *category != form.category) return Refused(RefusalReason::kBadCategory);
    entry.category = *category;
  }
  const auto email = CleanEmail(form.email);
  if (!email) return Refused(RefusalReason::kBadEmail);
  entry.email = *email;
  const auto soapbox = CleanText(form.soapbox, kMaxSoapboxCharacters);
  if (!soapbox) return Refused(RefusalReason::kBadSoapbox);
  entry.soapbox = *soapbox;
  entry.late = now >= contest.deadline;
  if (entry.late && contest.late == LatePolicy::kRefuse) return Refused(RefusalReason::kLate);

  const std::string readAs = callTyped ? CheckFileName(entry.call) : std::string();
  const logs::LogFile log = logs::ReadLogBytes(files::PathOfUtf8(readAs), form.log);
  if (log.failure) return Refused(RefusalReason::kLogNotRead, *log.failure);
  if (!callTyped) {
    const auto call = CleanCall(log.ownCall);
    if (!call) return Refused(RefusalReason::kNoCall, log.ownCall);
    entry.call = *call;
  }
  if (!categoryChosen) {
    const auto category = ContestCategory(log.category, contest.categories);
    if (!category) return Refused(RefusalReason::kNoCategory, log.category);
    entry.category = *category;
  }
  entry.facts = FactsOfLog(log, Period{contest.fromSeconds, contest.toSeconds});
  return entry;
}

}  // namespace logrobot
