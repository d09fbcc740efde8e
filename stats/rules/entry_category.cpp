#include "stats/rules/entry_category.h"

#include <algorithm>

namespace stats {
namespace {

enum Aspect { kOperators, kMode, kPower, kAspects };

struct Word {
  std::string_view text;
  Aspect aspect;
  char value;  // S/M operators; C/S/X modes; L/H power
};

// The words that say something; those that say nothing the categories tell
// apart are passed over (every entry is on all bands); any other word makes
// the category unclear.
constexpr Word kWords[] = {
    {"SOAB", kOperators, 'S'}, {"MOAB", kOperators, 'M'},   {"SO", kOperators, 'S'},
    {"MO", kOperators, 'M'},   {"SINGLE", kOperators, 'S'}, {"MULTI", kOperators, 'M'},
    {"CW", kMode, 'C'},        {"SSB", kMode, 'S'},         {"PH", kMode, 'S'},
    {"PHONE", kMode, 'S'},     {"MIX", kMode, 'X'},         {"MIXED", kMode, 'X'},
    {"LP", kPower, 'L'},       {"LOW", kPower, 'L'},        {"QRP", kPower, 'L'},
    {"HP", kPower, 'H'},       {"HIGH", kPower, 'H'},
};
constexpr std::string_view kPassedOver[] = {"AB",      "ALL",       "OP",         "OPERATOR",
                                            "NON",     "ASSISTED",  "ONE",        "TWO",
                                            "LIMITED", "UNLIMITED", "TRANSMITTER"};

// The word in any letters against a known one in capitals.
bool SameLetters(std::string_view word, std::string_view capitals) {
  return word.size() == capitals.size() &&
         std::equal(word.begin(), word.end(), capitals.begin(), [](char w, char c) {
           return (w >= 'a' && w <= 'z' ? static_cast<char>(w - 'a' + 'A') : w) == c;
         });
}

// False when the word contradicts one before it.
bool Note(const Word& word, std::array<char, kAspects>& said) {
  if (said[word.aspect] != 0 && said[word.aspect] != word.value) return false;
  said[word.aspect] = word.value;
  return true;
}

}  // namespace

std::optional<std::string_view> EntryCategoryOf(std::string_view written) noexcept {
  const auto isLetterOrDigit = [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  };
  std::array<char, kAspects> said{};
  for (std::size_t i = 0; i < written.size();) {
    if (!isLetterOrDigit(written[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < written.size() && isLetterOrDigit(written[end])) ++end;
    const std::string_view word = written.substr(i, end - i);
    i = end;
    const auto same = [&](std::string_view known) { return SameLetters(word, known); };
    const auto known = std::find_if(std::begin(kWords), std::end(kWords),
                                    [&](const Word& w) { return same(w.text); });
    if (known != std::end(kWords)) {
      if (!Note(*known, said)) return std::nullopt;
    } else if (std::none_of(std::begin(kPassedOver), std::end(kPassedOver), same)) {
      return std::nullopt;
    }
  }
  if (said[kOperators] == 'M') return kEntryCategories[6];
  if (said[kOperators] != 'S' || said[kMode] == 0 || said[kPower] == 0) return std::nullopt;
  const std::size_t mode = said[kMode] == 'C' ? 0 : said[kMode] == 'S' ? 1 : 2;
  return kEntryCategories[mode * 2 + (said[kPower] == 'H' ? 1 : 0)];
}

}  // namespace stats
