#pragma once

// How calls and numbers are miscopied on the air, from what operators get
// wrong rather than from what a check looks for:
//  - in CW, a letter heard with one element more, less or changed (S for H,
//    B for 6, R for L), a letter split in two or two run together by their
//    spacing (A for ET, N for TE), a letter dropped or doubled, two letters
//    swapped while typing;
//  - in voice, a letter taken for one whose name sounds alike (B, D, E, P, T,
//    V... ; M and N; F and S), dropped, added or swapped;
//  - in digital modes, a character garbled into any other, dropped or added;
//  - anywhere, a portable suffix (/P, /M, /QRP, /3) left off, or /P added.
// Numbers: a digit heard as its CW or voice neighbour, two digits swapped, a
// digit dropped or doubled.

#include <string>
#include <string_view>

#include "tools/contest-sim/random.h"

namespace contest_sim {

enum class Channel { kCw, kVoice, kDigital };

// A miscopy of `call`, never equal to it.
std::string MiscopiedCall(std::string_view call, Channel channel, Random& random);

// A miscopy of the number `sent` ("W" and digits, or digits) whose value
// differs from the sent one, keeping a "W" that leads it.
std::string MiscopiedNumber(std::string_view sent, Channel channel, Random& random);

}  // namespace contest_sim
