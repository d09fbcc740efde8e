#include "stats/rules/band_order.h"

#include <gtest/gtest.h>

namespace stats {
namespace {

std::vector<std::string> Ordered(std::vector<std::string> bands) {
  OrderBands(bands);
  return bands;
}

TEST(BandOrder, NumericBandsComeInFallingOrder) {
  EXPECT_EQ(Ordered({"80", "160", "40", "10", "20"}),
            (std::vector<std::string>{"160", "80", "40", "20", "10"}));
}

TEST(BandOrder, EqualPaddedTextsAreNeverSwappedWithEachOther) {
  EXPECT_EQ(Ordered({"7", "07"}), (std::vector<std::string>{"7", "07"}));
  EXPECT_EQ(Ordered({"07", "7"}), (std::vector<std::string>{"07", "7"}));
  // The exchange sort is not stable: a greater later entry swaps the first of
  // two equals behind the second.
  EXPECT_EQ(Ordered({"7", "07", "8"}), (std::vector<std::string>{"8", "07", "7"}));
}

TEST(BandOrder, TextsComparedAsUnsignedBytesAfterPadding) {
  // Padding makes the longer text win before any letter is looked at.
  EXPECT_EQ(Ordered({"160", "2M", "70CM", "\xC0"}),
            (std::vector<std::string>{"70CM", "160", "2M", "\xC0"}));
  // A byte above 0x7F is greater than any digit.
  EXPECT_EQ(Ordered({"9", "\xC0"}), (std::vector<std::string>{"\xC0", "9"}));
  const std::string longBand(25, '1');
  EXPECT_EQ(Ordered({"9", longBand}), (std::vector<std::string>{longBand, "9"}));  // not padded
  EXPECT_EQ(Ordered({}), std::vector<std::string>{});
}

}  // namespace
}  // namespace stats
