#include "companion/form_layout.h"

#include <gtest/gtest.h>

namespace zarnik {
namespace {

bool Inside(const PixelRect& inner, int width, int height) {
  return inner.left >= 0 && inner.top >= 0 && inner.left + inner.width <= width &&
         inner.top + inner.height <= height;
}

TEST(FormLayout, TwipsBecomePixelsAt96DotsPerInch) {
  EXPECT_EQ(kForm1Client.width, 150);
  EXPECT_EQ(kForm1Client.height, 40);
  EXPECT_EQ(kForm1Client.left, 30);
  EXPECT_EQ(kForm1Client.top, 207);
  EXPECT_EQ(PointsToPixels(kButtonFontTenthsOfPoint), 10);
}

TEST(FormLayout, ButtonsLieSideBySideInsideTheClientArea) {
  EXPECT_TRUE(Inside(kCommand1Rect, kForm1Client.width, kForm1Client.height));
  EXPECT_TRUE(Inside(kCommand3Rect, kForm1Client.width, kForm1Client.height));
  EXPECT_LT(kCommand1Rect.left + kCommand1Rect.width, kCommand3Rect.left);
  EXPECT_EQ(kCommand1Rect.top, kCommand3Rect.top);
}

}  // namespace
}  // namespace zarnik
