#pragma once

// One participant's log as read from its file, whatever the file's format:
// the header facts, the QSO lines in file order, what was repaired while
// reading, or why the file could not be read at all.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "logs/qso/host_qso.h"
#include "logs/text/log_encoding.h"
#include "stats/rules/modes.h"

namespace logs {

struct LoggedQso {
  std::uint32_t line = 0;  // in the file, from 1
  std::string call;        // the worked station, in capitals
  std::string band;        // as the host names bands ("80", "2"); empty when unknown
  std::string mode;        // as logged: the Cabrillo code, or the host's mode name
  const stats::ContestMode* contestMode = nullptr;  // null: a mode the contest does not count
  std::int64_t time = 0;                            // seconds since 1899-12-30 00:00 UTC, as logged
  bool toTheMinute = true;                          // the time was given without seconds
  bool excluded = false;  // an X-QSO line: the sender does not claim it, the other side may
  std::string sent;                                 // the exchange sent (the number)
  std::string received;
};

// The QSO as crosscheck reads it, from the QSO as the host would hand it over:
// call and exchanges trimmed and in capitals, the moment in seconds, the mode
// as the log wrote it (a Cabrillo code, or the host's mode name) and what it
// counts as. `line` is the QSO's line in the file.
LoggedQso LoggedQsoOf(const HostQso& qso, std::uint32_t line, bool toTheMinute,
                      std::string_view modeAsLogged);

struct LogFile {
  std::filesystem::path path;
  std::string format;                            // "Cabrillo 3.0", "ADIF", ...
  TextEncoding encoding = TextEncoding::kAscii;  // of its texts
  std::string ownCall;                           // in capitals
  std::string category;                          // UTF-8
  std::string name;                              // the operator's name, UTF-8
  std::optional<std::int64_t> claimed;
  std::vector<LoggedQso> qsos;
  std::vector<std::string> repairs;    // UTF-8, one line each
  std::optional<std::string> failure;  // why the file could not be read
};

}  // namespace logs
