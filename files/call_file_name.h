#pragma once

// The name under which a file of one participant is kept, made from the call:
// letters, digits and "-" kept, anything else "_", and no longer than any file
// system allows ("R3KV/P" gives "R3KV_P"). crosscheck names its reports so, and
// the log robot finds them by it.

#include <cstddef>
#include <string>
#include <string_view>

namespace files {

inline constexpr std::size_t kMaxFileNameOfCall = 64;

std::string FileNameOfCall(std::string_view call);

}  // namespace files
