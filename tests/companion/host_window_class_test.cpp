#include "companion/host_window_class.h"

#include <gtest/gtest.h>

namespace zarnik {
namespace {

TEST(IsHostWindowClass, MatchesOnTheFirst18CharactersExactly) {
  EXPECT_TRUE(IsHostWindowClass("Afx:400000:b:10011"));
  EXPECT_TRUE(IsHostWindowClass("Afx:400000:b:10011:6:10003:0"));

  EXPECT_FALSE(IsHostWindowClass("Afx:400000:b:1001"));  // 17 characters
  EXPECT_FALSE(IsHostWindowClass(""));
  EXPECT_FALSE(IsHostWindowClass("afx:400000:b:10011"));
  EXPECT_FALSE(IsHostWindowClass("Afx:400000:b:10012"));
  EXPECT_FALSE(IsHostWindowClass(" Afx:400000:b:10011"));
}

}  // namespace
}  // namespace zarnik
