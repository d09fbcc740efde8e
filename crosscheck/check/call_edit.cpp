#include "crosscheck/check/call_edit.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace crosscheck {
namespace {

// Morse code of A..Z, then 0..9, then "/".
constexpr std::array<std::string_view, 37> kMorse = {
    ".-",    "-...",  "-.-.",  "-..",   ".",     "..-.",  "--.",   "....",  "..",    ".---",
    "-.-",   ".-..",  "--",    "-.",    "---",   ".--.",  "--.-",  ".-.",   "...",   "-",
    "..-",   "...-",  ".--",   "-..-",  "-.--",  "--..",  "-----", ".----", "..---", "...--",
    "....-", ".....", "-....", "--...", "---..", "----.", "-..-."};

// Letters whose names sound alike on the air.
constexpr std::array<std::string_view, 7> kVoiceAlike = {"BCDEGPTVZ", "AJK", "MN", "FSX",
                                                         "IY",        "QU",  "59"};

std::string_view MorseOf(char c) {
  if (c >= 'A' && c <= 'Z') return kMorse[static_cast<std::size_t>(c - 'A')];
  if (c >= '0' && c <= '9') return kMorse[static_cast<std::size_t>(26 + c - '0')];
  if (c == '/') return kMorse[36];
  return {};
}

// The call's Morse elements without the letter spaces; empty when a
// character has no code.
std::string Elements(std::string_view call) {
  std::string elements;
  for (const char c : call) {
    const std::string_view code = MorseOf(c);
    if (code.empty()) return {};
    elements.append(code);
  }
  return elements;
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

bool SoundAlike(char a, char b, bool voice) {
  if (!voice) {
    const std::string_view x = MorseOf(a);
    const std::string_view y = MorseOf(b);
    return !x.empty() && !y.empty() && OneChangeApart(x, y);
  }
  return std::any_of(kVoiceAlike.begin(), kVoiceAlike.end(), [&](std::string_view group) {
    return group.find(a) != std::string_view::npos && group.find(b) != std::string_view::npos;
  });
}

// The call without a portable suffix ("/P", "/QRP", "/3"; not the "/UA3AB"
// of "DL/UA3AB").
std::string_view Base(std::string_view call) {
  const std::size_t slash = call.rfind('/');
  if (slash == std::string_view::npos || call.size() - slash - 1 > 3 || slash < 3) return call;
  return call.substr(0, slash);
}

}  // namespace

CallEdit CallEditOf(std::string_view logged, std::string_view real, bool voice) {
  if (logged == real) return CallEdit::kNone;
  if (Base(logged) == Base(real)) return CallEdit::kSoundAlike;
  if (logged.size() == real.size()) {
    std::size_t first = logged.size();
    std::size_t differences = 0;
    for (std::size_t i = 0; i < logged.size(); ++i) {
      if (logged[i] == real[i]) continue;
      if (++differences == 1) first = i;
    }
    if (differences == 1) {
      return SoundAlike(logged[first], real[first], voice) ? CallEdit::kSoundAlike
                                                           : CallEdit::kOther;
    }
    if (differences == 2 && first + 1 < logged.size() && logged[first] == real[first + 1] &&
        logged[first + 1] == real[first]) {
      return CallEdit::kOther;
    }
  } else if (OneChangeApart(logged, real)) {
    return CallEdit::kOther;
  }
  const std::string elements = Elements(logged);
  return !elements.empty() && elements == Elements(real) ? CallEdit::kOther : CallEdit::kNone;
}

void CloseCallKeys(std::string_view call, std::vector<std::string>& keys) {
  keys.clear();
  keys.emplace_back(call);
  for (std::size_t i = 0; i < call.size(); ++i) {
    keys.push_back(std::string(call.substr(0, i)).append(call.substr(i + 1)));
  }
  if (Base(call) != call) keys.emplace_back(Base(call));
  // Morse elements can not be mistaken for a call: no call has a dot in it.
  if (std::string elements = Elements(call); !elements.empty()) keys.push_back("." + elements);
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
}

}  // namespace crosscheck
