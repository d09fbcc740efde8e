#pragma once

// Names of our own for what we make beside a file or folder: a temporary file,
// a fresh folder, an earlier version moved aside.

#include <filesystem>
#include <functional>
#include <string_view>
#include <system_error>

#include "stats/public/plugin_names.h"

namespace files {

// The ending of what is made new beside its target and moved over it once
// whole, or removed: the plug-in's own, so that one name tells a partial file
// of ours, whichever program left it.
inline constexpr std::string_view kTemporaryEnding = stats::kPartialFileExtension;

// Makes something beside `target`, in the same folder, under a name that no
// one else holds: "<target's name>.<unique part><ending>". `make` must fail
// with "file exists" when something is at the name it is given, and is called
// again with another name then, a few times at most. Returns `make`'s error,
// or sets `made` to the name it made.
std::error_code MakeBeside(const std::filesystem::path& target, std::string_view ending,
                           const std::function<std::error_code(const std::filesystem::path&)>& make,
                           std::filesystem::path& made);

}  // namespace files
