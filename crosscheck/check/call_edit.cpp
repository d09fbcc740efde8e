#include "crosscheck/check/call_edit.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace crosscheck {
namespace {

// Morse code of A..Z, then 0..9.
constexpr std::array<std::string_view, 36> kMorse = {
    ".-",    "-...",  "-.-.",  "-..",   ".",     "..-.",  "--.",   "....",  "..",
    ".---",  "-.-",   ".-..",  "--",    "-.",    "---",   ".--.",  "--.-",  ".-.",
    "...",   "-",     "..-",   "...-",  ".--",   "-..-",  "-.--",  "--..",  "-----",
    ".----", "..---", "...--", "....-", ".....", "-....", "--...", "---..", "----."};

std::string_view MorseOf(char c) {
  if (c >= 'A' && c <= 'Z') return kMorse[static_cast<std::size_t>(c - 'A')];
  if (c >= '0' && c <= '9') return kMorse[static_cast<std::size_t>(26 + c - '0')];
  return {};
}

// Whether a and b differ by one change, insertion or deletion (Levenshtein 1).
bool OneChangeApart(std::string_view a, std::string_view b) {
  if (a.size() > b.size()) std::swap(a, b);
  if (b.size() - a.size() > 1) return false;
  const auto [left, right] = std::mismatch(a.begin(), a.end(), b.begin());
  const std::size_t at = static_cast<std::size_t>(left - a.begin());
  if (at == a.size() && a.size() == b.size()) return false;  // equal
  const std::size_t skipA = a.size() == b.size() ? at + 1 : at;
  return a.substr(std::min(skipA, a.size())) == b.substr(at + 1);
}

}  // namespace

CallEdit OneEditApart(std::string_view logged, std::string_view real) {
  if (logged.size() == real.size()) {
    std::size_t first = logged.size();
    std::size_t differences = 0;
    for (std::size_t i = 0; i < logged.size(); ++i) {
      if (logged[i] == real[i]) continue;
      if (++differences == 1) first = i;
    }
    if (differences == 1) {
      const std::string_view a = MorseOf(logged[first]);
      const std::string_view b = MorseOf(real[first]);
      return !a.empty() && !b.empty() && OneChangeApart(a, b) ? CallEdit::kCwAlike
                                                              : CallEdit::kOther;
    }
    const bool swapped = differences == 2 && first + 1 < logged.size() &&
                         logged[first] == real[first + 1] && logged[first + 1] == real[first];
    return swapped ? CallEdit::kOther : CallEdit::kNone;
  }
  return OneChangeApart(logged, real) ? CallEdit::kOther : CallEdit::kNone;
}

}  // namespace crosscheck
