#pragma once

// The call and category that each participant entered when sending a log,
// over what the log's file says (a log may carry an operator's call instead
// of the station's, and an ADIF log names no category). The log robot writes
// them for the logs it hands to the check. One JSON object a line:
//   {"file": "R3KV.cbr", "call": "R3KV", "category": "SOAB-CW-LP"}
// where "file" is the log's file name; an empty or missing value leaves the
// file's own.

#include <filesystem>
#include <map>
#include <string>
#include <variant>

#include "logs/file/log_file.h"

namespace crosscheck {

struct Entry {
  std::string call;
  std::string category;
};

using Entries = std::map<std::string, Entry, std::less<>>;  // by file name, UTF-8

// The entries of the file, or why they can not be taken.
std::variant<Entries, std::string> ReadEntries(const std::filesystem::path& path);

// The log as its participant entered it, where the entries name its file and
// it could be read.
void ApplyEntry(const Entries& entries, logs::LogFile& log);

}  // namespace crosscheck
