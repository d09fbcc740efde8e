#pragma once

// The ways writers count an ADIF length over other bytes than the ones in the
// file. The reader turns to them only where reading by the stated length
// fails, or where a value it reads swallows a tag.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace logs {

// How `value` (the bytes up to a tag that the stated length swallowed) came
// to be counted as `length` bytes: its line feeds counted as CR LF (in a file
// converted to LF since), or its Windows-1251 text counted in UTF-8 bytes.
// Nothing when neither count gives `length`.
std::optional<std::string_view> OtherCounting(std::string_view value, std::uint64_t length);

// The size in bytes of the first `count` characters of `text` read as UTF-8,
// when it holds that many whole characters and some take more than one byte:
// where a writer counted characters, not bytes. Nothing otherwise.
std::optional<std::size_t> Utf8CharactersSize(std::string_view text, std::uint64_t count);

}  // namespace logs
