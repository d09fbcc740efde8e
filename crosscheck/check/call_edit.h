#pragma once

// How one call can be a miscopy of another: one edit apart (a letter changed,
// one added or dropped, two neighbours swapped), and whether the changed
// letter sounds like the right one in CW.

#include <string_view>

namespace crosscheck {

enum class CallEdit {
  kNone,     // not one edit apart (or equal)
  kCwAlike,  // one letter for another whose Morse code is one element apart (S/H, T/M, B/6)
  kOther,    // any other single edit
};

CallEdit OneEditApart(std::string_view logged, std::string_view real);

}  // namespace crosscheck
