#pragma once

// stats-host's own readers of the files the plug-in writes, so that what it
// checks does not rest on the plug-in's code: the problem log, the settings
// file and the Cabrillo log, read by the names of stats/public/plugin_names.h.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace stats_host {

// The lines of a problem log after its banner, one per refused QSO, in order;
// `calls` are the refused QSOs' calls, each of which its line must hold.
// Nothing when the file is not a plain file holding the banner followed by
// exactly those lines.
std::optional<std::vector<std::string>> ProblemLinesFor(const std::filesystem::path& problemLog,
                                                        const std::vector<std::string>& calls);

// Whether the settings file holds the key Claimed with this score in its
// section Settings (names found regardless of case, blanks around them and
// around the value ignored, the first key of that name counting).
bool HoldsClaimedScore(const std::filesystem::path& settingsFile, long long score);

// Whether the file is a whole Cabrillo log: its first line opens the log and
// its last line closes it.
bool HoldsWholeCabrilloLog(const std::filesystem::path& cabrilloLog);

}  // namespace stats_host
