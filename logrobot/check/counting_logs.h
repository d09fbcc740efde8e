#pragma once

// Which log counts for each call: the one received last, so that a second log
// replaces the first (both are kept). Where late logs do not count, a late
// log is as if it had not come, and the last one before the deadline counts.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "logrobot/store/records.h"

namespace logrobot {

enum class LateLogs { kCount, kLeaveOut };

// The uploads that count, one per call, in the order received.
std::vector<UploadRecord> CountingUploads(const std::vector<UploadRecord>& uploads, LateLogs late);

// For each call, the receipt of its last upload (late ones included).
std::map<std::string, std::int64_t> LatestReceipts(const std::vector<UploadRecord>& uploads);

}  // namespace logrobot
