// Which calls are close: the miscopies operators make, and the keys under
// which the check finds close calls among thousands, which must never miss a
// pair that is close.

#include "crosscheck/check/call_edit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using crosscheck::CallEdit;
using crosscheck::CallEditOf;
using crosscheck::CloseCallKeys;

struct EditCase {
  std::string_view logged;
  std::string_view real;
  bool voice;
  CallEdit edit;
};

constexpr EditCase kEdits[] = {
    {"UA1HH", "UA1SH", false, CallEdit::kSoundAlike},  // S and H: one dit apart
    {"RA6B", "RA6D", false, CallEdit::kSoundAlike},    // D and B
    {"RA3M", "RA3T", false, CallEdit::kSoundAlike},
    {"RA3K", "RA3Q", false, CallEdit::kSoundAlike},  // -.- and --.-: one dah apart
    {"UA1DH", "UA1SH", true, CallEdit::kOther},
    {"UA1BH", "UA1DH", true, CallEdit::kSoundAlike},  // B and D sound alike, not S and H
    {"UA1MN", "UA1NN", true, CallEdit::kSoundAlike},
    {"UA1SH", "UA1SH/P", false, CallEdit::kSoundAlike},  // a portable suffix dropped
    {"UA1SH/M", "UA1SH/P", false, CallEdit::kSoundAlike},
    {"UA1SH/QRP", "UA1SH", false, CallEdit::kSoundAlike},
    {"UA1ETB", "UA1AB", false, CallEdit::kOther},  // A heard as E T
    {"UA1NB", "UA1TEB", false, CallEdit::kOther},  // T E run together as N
    {"UA1SHH", "UA1SH", false, CallEdit::kOther},  // a letter doubled
    {"UA1S", "UA1SH", false, CallEdit::kOther},    // a letter dropped
    {"UA1HS", "UA1SH", false, CallEdit::kOther},   // two swapped
    {"UA1SH", "UA1SH", false, CallEdit::kNone},
    {"UA1HS", "UA1SHX", false, CallEdit::kNone},
    {"UA1AA", "UA1BB", false, CallEdit::kNone},
    {"DL/UA1SH", "DL/UA9XX", false, CallEdit::kNone},  // "/UA1SH" is no portable suffix
    {"RK9X", "R9X", false, CallEdit::kOther},
};

TEST(CallEdit, TellsHowOneCallIsAMiscopyOfAnother) {
  for (const EditCase& edit : kEdits) {
    EXPECT_EQ(CallEditOf(edit.logged, edit.real, edit.voice), edit.edit)
        << edit.logged << " for " << edit.real << (edit.voice ? " in voice" : " in CW");
  }
}

bool ShareAKey(std::string_view a, std::string_view b) {
  std::vector<std::string> keysA;
  std::vector<std::string> keysB;
  CloseCallKeys(a, keysA);
  CloseCallKeys(b, keysB);
  return std::any_of(keysA.begin(), keysA.end(), [&](const std::string& key) {
    return std::find(keysB.begin(), keysB.end(), key) != keysB.end();
  });
}

TEST(CallEdit, CloseCallsAlwaysShareAKey) {
  for (const EditCase& edit : kEdits) {
    if (edit.edit != CallEdit::kNone) EXPECT_TRUE(ShareAKey(edit.logged, edit.real)) << edit.logged;
  }
  // Random calls, each miscopied by one random edit of any kind, and random
  // pairs: whatever CallEditOf calls close must be found through the keys.
  std::mt19937 random(7);
  const std::string letters = "ABDEHIKMNRSTUVW0123456789";
  const auto pick = [&](std::size_t count) { return random() % count; };
  const auto call = [&] {
    std::string text = std::string(1, "RU"[pick(2)]) + letters[pick(10)] + std::to_string(pick(10));
    for (std::size_t i = 0, n = 1 + pick(3); i < n; ++i) text += letters[pick(15)];
    if (pick(8) == 0) text += "/P";
    return text;
  };
  for (int i = 0; i < 20000; ++i) {
    const std::string real = call();
    std::string logged = real;
    const std::size_t at = pick(real.size());
    switch (pick(5)) {
      case 0:
        logged[at] = letters[pick(letters.size())];
        break;
      case 1:
        logged.insert(at, 1, letters[pick(letters.size())]);
        break;
      case 2:
        logged.erase(at, 1);
        break;
      case 3:
        if (at + 1 < logged.size()) std::swap(logged[at], logged[at + 1]);
        break;
      default:
        logged = call();
    }
    if (CallEditOf(logged, real, pick(2) == 0) != CallEdit::kNone) {
      EXPECT_TRUE(ShareAKey(logged, real)) << logged << " for " << real;
    }
  }
}

}  // namespace
