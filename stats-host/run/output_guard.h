#pragma once

// No output of a run may be a file that the run reads, runs or must keep: the
// log, the plug-in's files in the working folder, the companion or the
// plug-in. Files are compared by identity (device and inode; on Windows the
// volume serial number and file index), not by the spelling of their paths,
// so that "./x", "../d/x", links and, on Windows, other case are caught; a
// file not written yet by the folder that will hold it and its name.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "stats-host/run/run_texts.h"

namespace stats_host {

struct KeptFile {
  std::filesystem::path path;
  std::string what;  // "the log being scored", ... in the run's words
};

struct KeptFiles {
  KeptFile log;
  KeptFile plugin;
  std::vector<KeptFile> pluginWrites;  // in the working folder
  std::vector<KeptFile> pluginReads;   // in the working folder: read or run by the plug-in
};

// Why the run must not start, in the words of `texts`: the HTML page would be
// one of the kept files, or a file that the plug-in writes would be the log or
// the plug-in itself. Nothing when no output is a kept file.
std::optional<std::string> OutputOverAKeptFile(const KeptFiles& kept,
                                               const std::optional<std::filesystem::path>& page,
                                               const RunTexts& texts);

}  // namespace stats_host
