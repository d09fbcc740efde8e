#pragma once

// Whether the plug-in wrote its files in this run. The plug-in reports no
// failure, so stats-host looks for itself: before the run, whether each file
// can be written; after it, whether what the file holds is this run's, and
// when not, what was in the way.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "files/file_system.h"
#include "stats-host/run/run_texts.h"

namespace stats_host {

// What a file operation ran into, in the words of `texts`.
std::string FileProblemText(std::error_code error, const RunTexts& texts);

// Why the plug-in can not append to the file: it can not be opened for
// appending, or, when it is missing, no file can be made in its folder; or,
// with `grown`, there is no room for it to grow by a byte. Nothing when it
// can.
std::optional<std::string> WhyNotAppendable(files::FileSystem& files,
                                            const std::filesystem::path& file, bool grown,
                                            const RunTexts& texts);

// Why the plug-in may have failed to replace the file, the way it does, by a
// new file written beside it and moved over it, with at least `leastBytes`
// bytes: a folder in its place, no room for the new file (a full device or
// quota, the file-size limit, a folder that takes no new file), a file that
// can not be replaced. Nothing when none of these is in the way.
std::optional<std::string> WhyNotReplaceable(files::FileSystem& files,
                                             const std::filesystem::path& file,
                                             std::uint64_t leastBytes, const RunTexts& texts);

}  // namespace stats_host
