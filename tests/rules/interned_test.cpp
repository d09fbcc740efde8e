// The numbering of texts and keys, and the Kvant tally built on it, against
// plain standard containers on random input.

#include "stats/rules/interned.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>

#include "stats/rules/kvant.h"

namespace stats {
namespace {

TEST(Interned, NumbersKeysInTheOrderFirstSeen) {
  std::mt19937 random(7);
  Interned<std::string> texts;
  Interned<std::uint64_t> numbers;
  std::map<std::string, std::uint32_t> textModel;
  std::map<std::uint64_t, std::uint32_t> numberModel;
  EXPECT_EQ(texts.Find(""), Interned<std::string>::kNone);
  for (int i = 0; i < 20000; ++i) {
    // Few distinct keys, so that most are seen again; numbers that differ in
    // their high bits only, which a table indexed by the low bits would pile up.
    const std::string text(random() % 4, static_cast<char>('a' + random() % 20));
    const std::uint64_t number = std::uint64_t{random() % 3000} << 40;
    const auto [textEntry, newText] = textModel.try_emplace(text, textModel.size());
    const auto [numberEntry, newNumber] = numberModel.try_emplace(number, numberModel.size());
    if (newText) ASSERT_EQ(texts.Find(text), Interned<std::string>::kNone);
    ASSERT_EQ(texts.IdOf(text), textEntry->second);
    ASSERT_EQ(numbers.IdOf(number), numberEntry->second);
    ASSERT_EQ(texts.Text(textEntry->second), text);
    ASSERT_EQ(numbers.Find(number), numberEntry->second) << newNumber;
  }
  EXPECT_EQ(texts.Size(), textModel.size());
  EXPECT_EQ(numbers.Size(), numberModel.size());
  texts.Clear();
  EXPECT_EQ(texts.Find("a"), Interned<std::string>::kNone);
  EXPECT_EQ(texts.IdOf("b"), 0u);
}

// The tally against the stations counted straight from the QSOs still in.
TEST(KvantTally, CountsEachMarkedStationOncePerColumnWhileAQsoMarksIt) {
  std::mt19937 random(11);
  const std::string calls[] = {"UA1A", "UA2B", "UA3C", "UA4D"};
  const std::string modes[] = {"CW", "SSB", "BPSK63", "BPSK62"};
  const std::string exchanges[] = {"W12", "012", "w12", ""};
  using Logged = std::tuple<std::string, std::string, std::string>;  // call, mode, exchange
  std::multiset<Logged> in;
  KvantTally<std::string> tally;
  for (int i = 0; i < 5000; ++i) {
    const Logged qso{calls[random() % 4], modes[random() % 4], exchanges[random() % 4]};
    const auto& [call, mode, exchange] = qso;
    if (const auto found = in.find(qso); random() % 3 == 0 && found != in.end()) {
      in.erase(found);  // only a QSO that was added is taken out again
      tally.Remove(call, mode, exchange);
    } else {
      const auto mark = tally.Add(call, mode, exchange);
      ASSERT_EQ(mark.has_value(), exchange == "W12");
      if (mark) ASSERT_EQ(tally.Stations().Text(mark->station), call);
      in.insert(qso);
    }
    std::set<std::pair<std::string, bool>> marked;
    for (const auto& [markedCall, markedMode, markedExchange] : in) {
      if (markedExchange == "W12") marked.emplace(markedCall, markedMode == "CW");
    }
    ASSERT_EQ(tally.Count(), static_cast<std::int32_t>(marked.size())) << i;
  }
}

}  // namespace
}  // namespace stats
