#pragma once

// How one call can be a miscopy of another, as operators miscopy calls: one
// edit apart (a letter changed, one added or dropped, two neighbours swapped),
// a portable suffix added, dropped or changed (UA3AB/P for UA3AB), or the same
// Morse elements heard with other letter spaces (A for ET, N for TE). Of the
// changed letters, those that sound alike come first when several stations
// could be the one worked: in CW, letters whose Morse codes are one element
// apart (S/H, T/M, B/6); in voice, letters whose names rhyme (B/D/P/T/V, M/N).

#include <string>
#include <string_view>
#include <vector>

namespace crosscheck {

enum class CallEdit {
  kNone,        // not close (or equal)
  kSoundAlike,  // one letter for another that sounds alike, or a portable suffix
  kOther,       // any other single edit, or the same Morse spaced otherwise
};

CallEdit CallEditOf(std::string_view logged, std::string_view real, bool voice);

// The texts under which CloseCalls files a call, and looks one up: two calls
// are close (above) only if they share one of them. `keys` is cleared first.
void CloseCallKeys(std::string_view call, std::vector<std::string>& keys);

}  // namespace crosscheck
