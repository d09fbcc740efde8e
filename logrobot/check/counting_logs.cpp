#include "logrobot/check/counting_logs.h"

#include <algorithm>

namespace logrobot {

std::vector<UploadRecord> CountingUploads(const std::vector<UploadRecord>& uploads, LateLogs late) {
  std::map<std::string, const UploadRecord*> latest;
  for (const UploadRecord& upload : uploads) {
    if (upload.late && late == LateLogs::kLeaveOut) continue;
    const UploadRecord*& counting = latest[upload.call];
    if (counting == nullptr || counting->receipt < upload.receipt) counting = &upload;
  }
  std::vector<UploadRecord> counting;
  for (const auto& [call, upload] : latest) counting.push_back(*upload);
  std::sort(counting.begin(), counting.end(),
            [](const UploadRecord& a, const UploadRecord& b) { return a.receipt < b.receipt; });
  return counting;
}

std::map<std::string, std::int64_t> LatestReceipts(const std::vector<UploadRecord>& uploads) {
  std::map<std::string, std::int64_t> latest;
  for (const UploadRecord& upload : CountingUploads(uploads, LateLogs::kCount)) {
    latest[upload.call] = upload.receipt;
  }
  return latest;
}

}  // namespace logrobot
