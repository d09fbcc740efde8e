#include "tools/contest-sim/miscopy.h"

#include <array>
#include <utility>
#include <vector>

namespace contest_sim {
namespace {

constexpr std::string_view kCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/";
constexpr std::array<std::string_view, 37> kMorse = {
    ".-",    "-...",  "-.-.",  "-..",   ".",     "..-.",  "--.",   "....",  "..",    ".---",
    "-.-",   ".-..",  "--",    "-.",    "---",   ".--.",  "--.-",  ".-.",   "...",   "-",
    "..-",   "...-",  ".--",   "-..-",  "-.--",  "--..",  "-----", ".----", "..---", "...--",
    "....-", ".....", "-....", "--...", "---..", "----.", "-..-."};
// Letters whose names sound alike, each group on its own.
constexpr std::array<std::string_view, 7> kVoiceAlike = {"BCDEGPTVZ", "AJK", "MN", "FSX",
                                                         "IY",        "QU",  "59"};
constexpr std::array<std::string_view, 5> kSuffixes = {"/P", "/M", "/QRP", "/3", "/1"};

std::string_view MorseOf(char c) {
  const std::size_t at = kCharacters.find(c);
  return at == std::string_view::npos ? std::string_view{} : kMorse[at];
}

char CharacterOfMorse(std::string_view code) {
  for (std::size_t i = 0; i < kMorse.size(); ++i) {
    if (kMorse[i] == code) return kCharacters[i];
  }
  return 0;
}

// Whether two element strings differ by one element added, dropped or changed.
bool OneElementApart(std::string_view a, std::string_view b) {
  if (a.size() > b.size()) std::swap(a, b);
  if (b.size() - a.size() > 1 || a == b) return false;
  std::size_t i = 0;
  while (i < a.size() && a[i] == b[i]) ++i;
  return a.size() == b.size() ? a.substr(i + 1) == b.substr(i + 1) : a.substr(i) == b.substr(i + 1);
}

template <typename T>
const T& Pick(const std::vector<T>& choices, Random& random) {
  return choices[random.Below(choices.size())];
}

// The characters a CW operator may hear for `c`.
std::vector<char> CwNeighbours(char c, bool digitsOnly) {
  std::vector<char> neighbours;
  const std::string_view code = MorseOf(c);
  for (std::size_t i = 0; i < kCharacters.size(); ++i) {
    const char other = kCharacters[i];
    if (other == '/' || (digitsOnly && (other < '0' || other > '9'))) continue;
    if (!code.empty() && OneElementApart(code, kMorse[i])) neighbours.push_back(other);
  }
  return neighbours;
}

std::vector<char> VoiceNeighbours(char c, bool digitsOnly) {
  std::vector<char> neighbours;
  for (const std::string_view group : kVoiceAlike) {
    if (group.find(c) == std::string_view::npos) continue;
    for (const char other : group) {
      if (other != c && (!digitsOnly || (other >= '0' && other <= '9'))) {
        neighbours.push_back(other);
      }
    }
  }
  return neighbours;
}

// Where the call's suffix begins, or its size.
std::size_t SuffixAt(std::string_view call) {
  const std::size_t slash = call.find('/');
  return slash == std::string_view::npos ? call.size() : slash;
}

// One letter heard as another; empty when the call has none such.
std::string ChangedLetter(std::string_view call, Channel channel, Random& random) {
  std::vector<std::pair<std::size_t, char>> changes;
  for (std::size_t at = 0; at < SuffixAt(call); ++at) {
    std::vector<char> neighbours;
    if (channel == Channel::kCw) {
      neighbours = CwNeighbours(call[at], false);
    } else if (channel == Channel::kVoice) {
      neighbours = VoiceNeighbours(call[at], false);
    } else {
      for (const char c : kCharacters.substr(0, 36)) {
        if (c != call[at]) neighbours.push_back(c);
      }
    }
    for (const char other : neighbours) changes.emplace_back(at, other);
  }
  if (changes.empty()) return {};
  const auto [at, other] = Pick(changes, random);
  std::string miscopy(call);
  miscopy[at] = other;
  return miscopy;
}

// A CW letter split in two by a pause, or two letters run together.
std::string Spacing(std::string_view call, Random& random) {
  std::vector<std::string> miscopies;
  const std::size_t end = SuffixAt(call);
  for (std::size_t at = 0; at < end; ++at) {
    const std::string_view code = MorseOf(call[at]);
    for (std::size_t split = 1; split < code.size(); ++split) {
      const char first = CharacterOfMorse(code.substr(0, split));
      const char second = CharacterOfMorse(code.substr(split));
      if (first != 0 && second != 0 && first != '/' && second != '/') {
        miscopies.push_back(std::string(call.substr(0, at)) + first + second +
                            std::string(call.substr(at + 1)));
      }
    }
    if (at + 1 < end) {
      const char joined =
          CharacterOfMorse(std::string(MorseOf(call[at])) + std::string(MorseOf(call[at + 1])));
      if (joined != 0 && joined != '/') {
        miscopies.push_back(std::string(call.substr(0, at)) + joined +
                            std::string(call.substr(at + 2)));
      }
    }
  }
  return miscopies.empty() ? std::string{} : Pick(miscopies, random);
}

std::string Dropped(std::string_view call, Random& random) {
  const std::size_t end = SuffixAt(call);
  if (end < 4) return {};
  std::string miscopy(call);
  miscopy.erase(random.Below(end), 1);
  return miscopy;
}

std::string Added(std::string_view call, Random& random) {
  const std::size_t end = SuffixAt(call);
  const std::size_t at = 1 + random.Below(end);
  std::string miscopy(call);
  // Mostly a letter doubled, else any.
  const char letter = random.Chance(0.6) ? call[at - 1] : kCharacters[random.Below(26)];
  miscopy.insert(at, 1, letter);
  return miscopy;
}

std::string Swapped(std::string_view call, Random& random) {
  const std::size_t end = SuffixAt(call);
  std::string miscopy(call);
  const std::size_t at = random.Below(end - 1);
  std::swap(miscopy[at], miscopy[at + 1]);
  return miscopy;
}

std::string SuffixSlip(std::string_view call) {
  const std::size_t end = SuffixAt(call);
  return end < call.size() ? std::string(call.substr(0, end)) : std::string(call) + "/P";
}

std::string DigitsMiscopied(std::string_view number, Channel channel, Random& random) {
  const std::size_t first = !number.empty() && number.front() == 'W' ? 1 : 0;
  std::string miscopy(number);
  if (number.size() <= first) return miscopy + "1";
  const std::uint64_t kind = random.Below(10);
  if (kind < 6) {
    const std::size_t at = first + random.Below(number.size() - first);
    std::vector<char> neighbours = channel == Channel::kVoice ? VoiceNeighbours(number[at], true)
                                                              : CwNeighbours(number[at], true);
    if (neighbours.empty() || channel == Channel::kDigital) {
      for (char c = '0'; c <= '9'; ++c) {
        if (c != number[at]) neighbours.push_back(c);
      }
    }
    miscopy[at] = Pick(neighbours, random);
  } else if (kind < 8 && number.size() - first >= 2) {
    const std::size_t at = first + random.Below(number.size() - first - 1);
    std::swap(miscopy[at], miscopy[at + 1]);
  } else if (kind < 9 && number.size() - first >= 2) {
    miscopy.erase(first + random.Below(number.size() - first), 1);
  } else {
    const std::size_t at = first + random.Below(number.size() - first);
    miscopy.insert(at, 1, number[at]);
  }
  return miscopy;
}

std::uint64_t ValueOf(std::string_view number) {
  std::uint64_t value = 0;
  for (const char c : number) {
    if (c >= '0' && c <= '9') value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return value;
}

}  // namespace

std::string MiscopiedCall(std::string_view call, Channel channel, Random& random) {
  const bool portable = SuffixAt(call) < call.size();
  for (;;) {
    const std::uint64_t roll = random.Below(100);
    std::string miscopy;
    if (random.Chance(portable ? 0.4 : 0.02)) {
      miscopy = SuffixSlip(call);
    } else if (roll < 12) {
      miscopy = Dropped(call, random);
    } else if (roll < 20) {
      miscopy = Added(call, random);
    } else if (roll < 28) {
      miscopy = Swapped(call, random);
    } else if (roll < 40 && channel == Channel::kCw) {
      miscopy = Spacing(call, random);
    } else {
      miscopy = ChangedLetter(call, channel, random);
    }
    if (!miscopy.empty() && miscopy != call) return miscopy;
  }
}

std::string MiscopiedNumber(std::string_view sent, Channel channel, Random& random) {
  for (;;) {
    std::string miscopy = DigitsMiscopied(sent, channel, random);
    if (ValueOf(miscopy) != ValueOf(sent)) return miscopy;
  }
}

}  // namespace contest_sim
