#pragma once

// Moments of the robot's world: seconds since 1970-01-01 00:00 UTC, written
// to the minute as "YYYY-MM-DD HH:MM" (UTC), as the contest file and
// crosscheck's --from and --to take them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace logrobot {

// From 1899-12-30, where the logs count their QSOs' seconds, to 1970-01-01.
inline constexpr std::int64_t kOleEpochToUnixSeconds = std::int64_t{25569} * 24 * 60 * 60;

std::optional<std::int64_t> ParseUtcMinute(std::string_view text);

// The moment cut to its minute, as ParseUtcMinute reads it.
std::string FormatUtcMinute(std::int64_t unixSeconds);

}  // namespace logrobot
