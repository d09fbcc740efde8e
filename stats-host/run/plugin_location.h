#pragma once

// Where stats-host finds the plug-in when it is not told. The file name and
// this program's own path come from plugin_location_posix.cpp and
// plugin_location_win32.cpp.

#include <filesystem>
#include <vector>

namespace stats_host {

// The plug-in's file name on this system: Stats.dll, libStats.so.
extern const char kPluginFileName[];

// This program's own file, as an absolute path.
std::filesystem::path ProgramPath();

// The places to look, in order: beside the program, in its Plugins folder (the
// layout of the release), and in ../stats (the layout of the build tree).
std::vector<std::filesystem::path> PluginCandidates(const std::filesystem::path& programFolder);

// The first candidate that exists, or the first one when none does (so that the
// load error names it).
std::filesystem::path DefaultPluginPath();

}  // namespace stats_host
