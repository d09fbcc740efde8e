#pragma once

#include <string>
#include <string_view>

namespace stats {

// Replaces every occurrence of `find` in `source` by `replacement`, left to
// right, never searching inserted text again. An empty `find` changes nothing.
std::string ReplaceAll(std::string_view source, std::string_view find,
                       std::string_view replacement);

}  // namespace stats
