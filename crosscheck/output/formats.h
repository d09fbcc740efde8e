#pragma once

// How the outputs write times, offsets, reductions and names.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace crosscheck {

// A QSO's time as Cabrillo writes it: "2024-02-18 1500", with seconds
// ("2024-02-18 150012") only when it has them.
std::string FormatQsoTime(std::int64_t seconds);
void AppendQsoTime(std::string& text, std::int64_t seconds);

// A period as "H:MM:SS" ("0:02:05"), always without a sign.
std::string FormatDuration(std::int64_t seconds);

// A clock offset: "+0:02:05", "-1:00:12", "0:00:00".
std::string FormatOffset(std::int64_t seconds);

// How much the checked score is below the claimed one, in tenths of a percent
// (negative when it is above); nothing without a claimed score.
std::optional<std::int64_t> ReductionTenths(std::optional<std::int64_t> claimed,
                                            std::int64_t checked);

// Tenths as a decimal: "4.1", "-2.0".
std::string TenthsText(std::int64_t tenths);

// "12.3 %" of the part in the whole, "0.0 %" of nothing.
std::string Percent(std::uint64_t part, std::uint64_t whole);

// A text as a JSON string, quotes included; bytes that are not UTF-8 become U+FFFD.
std::string JsonString(std::string_view text);

}  // namespace crosscheck
