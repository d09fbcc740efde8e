#pragma once

// Where stats-host finds the plug-in when it is not told.

#include <filesystem>
#include <vector>

namespace stats_host {

#if defined(_WIN32)
inline constexpr char kPluginFileName[] = "Stats.dll";
#else
inline constexpr char kPluginFileName[] = "libStats.so";
#endif

// This program's own file, as an absolute path.
std::filesystem::path ProgramPath();

// The places to look, in order: beside the program, in its Plugins folder (the
// layout of the release), and in ../stats (the layout of the build tree).
std::vector<std::filesystem::path> PluginCandidates(const std::filesystem::path& programFolder);

// The first candidate that exists, or the first one when none does (so that the
// load error names it).
std::filesystem::path DefaultPluginPath();

}  // namespace stats_host
