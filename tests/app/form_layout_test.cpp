// Twips to pixels and font sizes at the resolutions Windows offers.
#include "app/form_layout.h"

#include <gtest/gtest.h>

namespace wendral::test {
namespace {

TEST(FormLayoutTest, NinetySixDotsPerInchGivesFifteenTwipsPerPixel) {
  const PixelRect image = ToPixels(layout::kBanner, 96);
  EXPECT_EQ(image.left, -48);
  EXPECT_EQ(image.top, -16);
  EXPECT_EQ(image.width, 401);
  EXPECT_EQ(image.height, 103);
  EXPECT_EQ(TwipsToPixels(layout::kMainWindowClientWidth, 96), 304);
  EXPECT_EQ(TwipsToPixels(layout::kMainWindowClientHeight, 96), 247);
  EXPECT_EQ(TwipsToPixels(layout::kNoticeWindowClientWidth, 96), 450);
  EXPECT_EQ(TwipsToPixels(1057, 96), 70);  // 70.47
  EXPECT_EQ(FontHeight(layout::kFormFontCentipoints, 96), -12);
  EXPECT_EQ(FontHeight(layout::kNetworkNameFontCentipoints, 96), -21);
  EXPECT_EQ(FontHeight(layout::kNoticeLabelCentipoints, 96), -14);
}

TEST(FormLayoutTest, OtherResolutionsScaleAndRoundHalvesToEven) {
  EXPECT_EQ(TwipsToPixels(1057, 120), 88);    // 88.08
  EXPECT_EQ(TwipsToPixels(36, 120), 3);       // 3.0
  EXPECT_EQ(TwipsToPixels(30, 72), 2);        // 1.5 -> 2
  EXPECT_EQ(TwipsToPixels(50, 144), 5);       // 5.0
  EXPECT_EQ(TwipsToPixels(75, 96), 5);        // 5.0
  EXPECT_EQ(TwipsToPixels(105, 144), 10);     // 10.5 -> 10
  EXPECT_EQ(TwipsToPixels(-105, 144), -10);   // -10.5 -> -10
  EXPECT_EQ(TwipsToPixels(-720, 120), -60);
  EXPECT_EQ(TwipsToPixels(-110, 144), -11);   // -11.0
  EXPECT_EQ(TwipsToPixels(-115, 144), -12);   // -11.5 -> -12
  EXPECT_EQ(FontHeight(layout::kNoticeLabelCentipoints, 120), -18);  // 17.5 -> 18
  EXPECT_EQ(FontHeight(layout::kNetworkNameFontCentipoints, 120), -26);    // 26.25
  EXPECT_EQ(FontHeight(layout::kFormFontCentipoints, 144), -18);
}

TEST(FormLayoutTest, PixelRectHitTestExcludesRightAndBottomEdges) {
  const PixelRect label = ToPixels(layout::kFeedbackLink, 96);  // 125,200 60x12
  EXPECT_TRUE(label.Contains(125, 200));
  EXPECT_TRUE(label.Contains(184, 211));
  EXPECT_FALSE(label.Contains(185, 205));
  EXPECT_FALSE(label.Contains(130, 212));
  EXPECT_FALSE(label.Contains(124, 205));
}

}  // namespace
}  // namespace wendral::test
