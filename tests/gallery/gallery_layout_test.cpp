// Where quillet-gallery.exe puts its controls, and its built-in icon.
#include <gtest/gtest.h>

#include <vector>

#include "gallery_layout.h"

namespace quillet::gallery {
namespace {

bool Overlap(const TwipsBox& a, const TwipsBox& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

TEST(GalleryLayout, SixteenButtonsInReadingOrderAndOptionsBelowAllInsideTheWindow) {
  // Four columns of 1800 twips with gaps of 180 after a margin of 240.
  EXPECT_EQ(ButtonBox(0).left, 240);
  EXPECT_EQ(ButtonBox(0).top, 240);
  EXPECT_EQ(ButtonBox(5).left, 240 + 1980);
  EXPECT_EQ(ButtonBox(5).top, 240 + 660);
  EXPECT_EQ(ButtonBox(15).left, 240 + 3 * 1980);
  EXPECT_EQ(ButtonBox(15).top, 240 + 3 * 660);
  // Whole pixels at 96 dots per inch: 120 x 32.
  EXPECT_EQ(ButtonBox(7).width % 15, 0);
  EXPECT_EQ(ButtonBox(7).height / 15, 32);

  std::vector<TwipsBox> boxes;
  for (std::int32_t style = 0; style < 16; ++style) boxes.push_back(ButtonBox(style));
  for (int i = 0; i < kOptionCount; ++i) boxes.push_back(OptionBox(i));
  const TwipsBox client = ClientBox();
  EXPECT_EQ(client.width, 240 + 4 * 1800 + 3 * 180 + 240);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_GE(boxes[i].left, 240) << i;
    EXPECT_LE(boxes[i].left + boxes[i].width, client.width - 240) << i;
    EXPECT_LE(boxes[i].top + boxes[i].height, client.height - 240) << i;
    for (std::size_t j = i + 1; j < boxes.size(); ++j) EXPECT_FALSE(Overlap(boxes[i], boxes[j])) << i << " / " << j;
  }
  // Reading order, which is also the TAB order: along a row, then down.
  for (std::int32_t style = 1; style < 16; ++style) {
    const TwipsBox a = ButtonBox(style - 1), b = ButtonBox(style);
    EXPECT_TRUE(b.top > a.top || (b.top == a.top && b.left > a.left)) << style;
  }
  EXPECT_GT(OptionBox(0).top, ButtonBox(15).top + ButtonBox(15).height);
  EXPECT_EQ(OptionLabel(kShowFocusRectId - kEnabledId), u"ShowFocusRect");
  EXPECT_EQ(OptionLabel(kCaptionRightId - kEnabledId), u"Caption right");
  EXPECT_TRUE(OptionLabel(kOptionCount).empty());
}

TEST(GalleryLayout, IconIsARoundDiscWithALightCentreOnATransparentGround) {
  const PictureImage icon = GalleryIconImage();
  ASSERT_EQ(icon.width, 16);
  ASSERT_EQ(icon.height, 16);
  ASSERT_EQ(icon.pixels.size(), 256u);
  ASSERT_EQ(icon.mask.size(), 256u);
  auto mask = [&](int x, int y) { return icon.mask[static_cast<std::size_t>(y) * 16 + x]; };
  auto pixel = [&](int x, int y) { return icon.pixels[static_cast<std::size_t>(y) * 16 + x]; };
  // Squared doubled distances from the centre (7.5, 7.5), the disc reaching 15 * 15 = 225:
  // the corners and (2, 2) (242) and the edge middles (0, 7) (226) lie outside; one pixel in
  // from an edge (170) is on the disc.
  for (auto [x, y] : {std::pair{0, 0}, {15, 0}, {0, 15}, {15, 15}, {2, 2}, {0, 7}, {7, 0}, {15, 8}})
    EXPECT_EQ(mask(x, y), 1) << x << "," << y;
  for (auto [x, y] : {std::pair{1, 7}, {14, 8}, {7, 1}, {8, 14}}) {
    EXPECT_EQ(mask(x, y), 0) << x << "," << y;
    EXPECT_EQ(pixel(x, y), 0x1E64C8u) << x << "," << y;
  }
  EXPECT_EQ(pixel(7, 7), 0xC8E6FFu);
  EXPECT_EQ(pixel(4, 7), 0x1E64C8u);  // doubled distance 7 away in x, 1 in y: 50 > 49
  EXPECT_EQ(pixel(5, 7), 0xC8E6FFu);  // 5 and 1: 26
  EXPECT_EQ(pixel(0, 0), 0u);         // transparent pixels carry no colour
}

}  // namespace
}  // namespace quillet::gallery
