#pragma once

// Bytes of the log as a message shows them: in double quotes, valid UTF-8 that
// can be printed as it is, every other byte as an escape ("\x1A", "\xC8"), so
// that standard error stays UTF-8 whatever the log holds.

#include <cstddef>
#include <string>
#include <string_view>

namespace logs {

// How much of a text from the log a message quotes, in bytes of the log.
inline constexpr std::size_t kQuotedBytes = 24;

// The text in double quotes; a text longer than `limit` bytes is cut before a
// whole character and ends in "…".
std::string Quoted(std::string_view bytes, std::size_t limit = kQuotedBytes);

}  // namespace logs
