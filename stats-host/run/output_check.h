#pragma once

// Whether the plug-in wrote its files in this run. The plug-in reports no
// failure, so stats-host looks for itself: before the run, whether each file
// can be written; after it, whether what the file holds is this run's.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "stats-host/run/run_texts.h"

namespace stats_host {

// The words for a system error (errno): "no space left on the device" in the
// words of `texts` for a full device, the system's own for the others.
std::string SystemErrorText(int error, const RunTexts& texts);

// Whether the device that holds the folder has no space left.
bool DeviceIsFull(const std::filesystem::path& folder);

// Why the file can not be written, found by opening it for appending (a file
// that is missing is created and removed again); nothing when it can.
std::optional<std::string> WhyNotWritable(const std::filesystem::path& file, const RunTexts& texts);

// Why the plug-in may have failed to replace the file the way it does, by a
// new file written beside it and moved over it: a full device, a folder in its
// place, a folder that takes no new file, a file that can not be written.
// Nothing when none of these is in the way.
std::optional<std::string> WhyNotReplaceable(const std::filesystem::path& file,
                                             const RunTexts& texts);

// Which file is at the path, and its size and time, so that a file replaced in
// the meantime tells from one left alone.
struct FileStamp {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  std::uint64_t size = 0;
  std::int64_t modified = 0;
  bool operator==(const FileStamp&) const = default;
};

// Nothing when there is no file there.
std::optional<FileStamp> StampOf(const std::filesystem::path& file);

}  // namespace stats_host
