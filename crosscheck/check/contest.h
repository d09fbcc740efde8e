#pragma once

// Every log of the contest in one compact form: the QSO lines of all logs end
// to end in one array, in the order the logs were added and, within a log, in
// file order; calls, exchanges, bands and modes as numbers into tables.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "logs/file/log_file.h"
#include "stats/rules/interned.h"

namespace crosscheck {

// The contest's texts, numbered in the order first seen.
using TextTable = stats::Interned<std::string>;

using LogId = std::uint32_t;
using QsoId = std::uint32_t;
using CallId = std::uint32_t;
inline constexpr std::uint32_t kNone = TextTable::kNone;
inline constexpr std::uint8_t kNotCounted = UINT8_MAX;

struct Qso {
  std::int64_t time = 0;  // as logged, seconds since 1899-12-30 00:00
  LogId log = 0;
  std::uint32_t line = 0;
  CallId call = 0;
  std::uint32_t sent = 0;  // exchanges: ids in Contest::exchanges
  std::uint32_t received = 0;
  std::uint32_t band = kNone;  // id in Contest::bands; kNone when unknown
  std::uint32_t mode = 0;      // id in Contest::modes, as logged
  // The row of stats::kContestModes whose Cabrillo code the QSO was made in
  // (BPSK62 shares BPSK63's row), so that equal values mean the same mode for
  // matching; kNotCounted for a mode the contest does not count.
  std::uint8_t contestMode = kNotCounted;
  bool toTheMinute = true;  // logged without seconds
  bool excluded = false;    // an X-QSO line: it confirms the other side's QSO, but does not count
};
static_assert(sizeof(Qso) <= 40, "a contest has millions of them");

// When the QSO was made, by the log's clock: a time logged to the minute
// stands for any second of that minute, so its middle.
constexpr std::int64_t MomentOf(const Qso& qso) { return qso.time + (qso.toTheMinute ? 30 : 0); }

struct ContestLog {
  std::filesystem::path path;
  std::string file;  // the path as given, UTF-8
  std::string format;
  logs::TextEncoding encoding = logs::TextEncoding::kAscii;
  CallId ownCall = kNone;
  std::string category;
  std::string name;
  std::optional<std::int64_t> claimed;
  std::vector<std::string> repairs;
  std::optional<std::string> failure;  // the file could not be read
  std::optional<LogId> supersededBy;   // a later file of the same call counts instead
  std::filesystem::file_time_type modified;
  QsoId firstQso = 0;
  QsoId endQso = 0;

  bool Checked() const { return !failure && !supersededBy; }
};

class Contest {
 public:
  LogId Add(logs::LogFile file, std::filesystem::file_time_type modified);

  // Of logs that have the same own call, the one modified last (and of equal
  // times, the one added last) is checked; the others are superseded by it.
  void ChooseAmongRepeatedCalls();

  // The checked log of each call (indexed by CallId), or kNone.
  std::vector<LogId> CheckedLogOfCall() const;

  std::vector<ContestLog> logs;
  std::vector<Qso> qsos;
  TextTable calls;
  TextTable exchanges;
  TextTable bands;
  TextTable modes;
};

}  // namespace crosscheck
