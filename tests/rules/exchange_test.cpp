// The exchange an operator enters, and the number a received exchange holds.

#include "stats/rules/exchange.h"

#include <gtest/gtest.h>

namespace stats {
namespace {

TEST(Exchange, IsThreeOrFourDecimalDigitsButNot599) {
  struct Case {
    const char* exchange;
    bool valid;
  };
  for (const Case& c :
       {Case{"001", true}, Case{"0599", true}, Case{"1234", true}, Case{"999", true},
        Case{"0000", true}, Case{"599", false}, Case{"5990", true}, Case{"12", false},
        Case{"12345", false}, Case{"", false}, Case{"12a", false}, Case{" 123", false},
        Case{"12/", false}, Case{"12:", false}, Case{"\xB3\xB3\xB3", false}}) {
    EXPECT_EQ(IsValidExchange(c.exchange), c.valid) << '"' << c.exchange << '"';
  }
}

TEST(Exchange, AReceivedNumberMayFollowTheKvantMark) {
  EXPECT_TRUE(IsValidReceivedExchange("W015"));
  EXPECT_TRUE(IsValidReceivedExchange("W1234"));
  EXPECT_TRUE(IsValidReceivedExchange("015"));
  EXPECT_FALSE(IsValidReceivedExchange("W599"));
  EXPECT_FALSE(IsValidReceivedExchange("w015"));  // only a capital W marks
  EXPECT_FALSE(IsValidReceivedExchange("WW015"));
  EXPECT_FALSE(IsValidReceivedExchange("W"));
}

}  // namespace
}  // namespace stats
