#pragma once

// What the check says about one QSO line, with its evidence.

#include <array>
#include <cstdint>
#include <string_view>

#include "crosscheck/check/contest.h"

namespace crosscheck {

enum class Verdict : std::uint8_t {
  kOk,              // confirmed by the other station's log
  kNoLog,           // the other station sent no log
  kNil,             // the other station sent a log without this QSO
  kBustedCall,      // the call was miscopied
  kBustedExchange,  // the number was miscopied
  kUnique,          // a call in no other log that sent no log
  kDupe,            // a repeat within one tour
  kOutOfContest,    // a mode, band or time the contest does not count
};

inline constexpr std::array<std::string_view, 8> kVerdictNames = {
    "ok", "no-log", "nil", "busted-call", "busted-exchange", "unique", "dupe", "out-of-contest"};
inline constexpr std::size_t kVerdictCount = kVerdictNames.size();

constexpr std::string_view NameOf(Verdict verdict) {
  return kVerdictNames[static_cast<std::size_t>(verdict)];
}

// What the evidence adds to the verdict.
enum class Note : std::uint8_t {
  kNone,
  // ok: confirmed by a line whose calls, band, mode and both numbers agree,
  // but whose time is further from this one than the window (a time typed
  // wrong on one side)
  kTimesApart,
  // nil: the evidence is what the other log holds nearest: a QSO with this
  // station (on another band or mode, at another time, or out of the contest)
  // or, at this time, with a call one edit from this station's
  kNearest,
};

inline constexpr std::array<std::string_view, 3> kNoteNames = {"", "times-apart", "nearest"};

constexpr std::string_view NameOf(Note note) { return kNoteNames[static_cast<std::size_t>(note)]; }

struct Judgement {
  QsoId evidence = kNone;      // the QSO that shows it: the other log's line, or for a
                               // dupe the QSO of the tour that counts
  CallId correctCall = kNone;  // busted-call: the station really worked
  Verdict verdict = Verdict::kOk;
  Note note = Note::kNone;
  bool counted = false;
};

}  // namespace crosscheck
