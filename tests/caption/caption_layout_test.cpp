// Layout of picture and caption: the nine picture arrangements with the three caption
// alignments, the access-key shift, pressed offsets, caption and focus rectangles.
#include <gtest/gtest.h>

#include "button/caption_layout.h"

namespace quillet {
namespace {

CaptionLayoutInput Input(std::int32_t w, std::int32_t h, Size text, Size picture, bool has_picture,
                         std::int32_t picture_align = 1, std::int32_t caption_align = 1) {
  CaptionLayoutInput in;
  in.width = w;
  in.height = h;
  in.scale_width = w;
  in.scale_height = h;
  in.text = text;
  in.picture = picture;
  in.has_picture = has_picture;
  in.picture_align = picture_align;
  in.caption_align = caption_align;
  in.style = 2;
  return in;
}

TEST(CaptionLayout, CaptionAloneIsPlacedByItsAlignmentAndTheLookOfTheStyle) {
  CaptionLayoutInput in = Input(100, 30, Size{40, 13}, Size{0, 0}, false);
  CaptionLayout l = LayOutCaption(in);
  EXPECT_EQ(l.caption_rect, (Rect{30, 9, 70, 22}));
  ASSERT_TRUE(l.focus_rect);
  EXPECT_EQ(*l.focus_rect, (Rect{28, 9, 71, 23}));
  EXPECT_EQ(l.picture_position, (Point{0, 0}));

  in.caption_align = 0;
  EXPECT_EQ(LayOutCaption(in).caption.x, 4);
  in.caption_align = 2;
  EXPECT_EQ(LayOutCaption(in).caption.x, 56);
  in.caption_align = 1;

  // Styles that sink when pressed move the caption by one pixel; 5 and 14 have their own.
  in.style = 0;
  in.state = DrawState::Pressed;
  l = LayOutCaption(in);
  EXPECT_EQ(l.caption_rect, (Rect{31, 10, 71, 23}));
  EXPECT_FALSE(l.focus_rect);
  in.style = 2;
  l = LayOutCaption(in);
  EXPECT_EQ(l.caption_rect, (Rect{30, 9, 70, 22}));
  EXPECT_FALSE(l.focus_rect);
  in.style = 5;
  EXPECT_EQ(LayOutCaption(in).caption_rect, (Rect{31, 11, 71, 23}));
  in.state = DrawState::Normal;
  l = LayOutCaption(in);
  EXPECT_EQ(l.caption_rect, (Rect{28, 7, 68, 20}));
  EXPECT_FALSE(l.focus_rect);
  in.style = 14;
  for (DrawState s : {DrawState::Normal, DrawState::Pressed}) {
    in.state = s;
    l = LayOutCaption(in);
    EXPECT_EQ(l.caption_rect, (Rect{30, 8, 70, 21}));
    EXPECT_FALSE(l.focus_rect);
  }
}

TEST(CaptionLayout, OddWidthsHalveTheButtonAndTheCaptionEachOnItsOwn) {
  // 100 / 2 - 41 / 2 = 50 - 20 = 30, where half of (100 - 41) would give 29.
  const Size odd{41, 13};
  EXPECT_EQ(LayOutCaption(Input(100, 30, odd, Size{0, 0}, false)).caption, (Point{30, 9}));
  for (std::int32_t align : {4, 5, 6, 7, 8})
    EXPECT_EQ(LayOutCaption(Input(100, 60, odd, Size{16, 16}, true, align)).caption.x, 30) << align;
  EXPECT_EQ(LayOutCaption(Input(100, 30, odd, Size{16, 16}, true, 2, 1)).caption.x, 30);
  // Beside a left picture: 50 - 20 + 8 = 38; after one: 38 + 3 = 41.
  EXPECT_EQ(LayOutCaption(Input(100, 30, odd, Size{16, 16}, true, 0)).caption.x, 38);
  EXPECT_EQ(LayOutCaption(Input(100, 30, odd, Size{16, 16}, true, 1)).caption.x, 41);
  // Caption first: 50 - 20 - 8 - 3 = 19.
  EXPECT_EQ(LayOutCaption(Input(100, 30, odd, Size{16, 16}, true, 3)).caption.x, 19);
  // The smallest button, 16 wide with a 7-wide caption: 8 - 3 = 5.
  EXPECT_EQ(LayOutCaption(Input(16, 15, Size{7, 13}, Size{0, 0}, false)).caption, (Point{5, 1}));
  // A picture is centred as a whole: (100 - 17) / 2 = 41 across, (30 - 11) / 2 = 9 down.
  EXPECT_EQ(LayOutCaption(Input(100, 30, odd, Size{17, 11}, true, 4)).picture_position,
            (Point{41, 9}));
}

TEST(CaptionLayout, AnAccessKeyShiftsTheCaptionButNotThePicture) {
  CaptionLayoutInput in = Input(100, 30, Size{40, 13}, Size{16, 16}, true, 0, 1);
  const CaptionLayout plain = LayOutCaption(in);
  in.has_access_key = true;
  const CaptionLayout keyed = LayOutCaption(in);
  EXPECT_EQ(keyed.caption.x, plain.caption.x + 3);
  EXPECT_EQ(keyed.picture_position, plain.picture_position);
}

TEST(CaptionLayout, SideBySideArrangementsKeepPictureAndCaptionApart) {
  // Picture at the left edge: 4 pixels in, centred vertically, the caption clear of it.
  CaptionLayout l = LayOutCaption(Input(100, 30, Size{40, 13}, Size{16, 16}, true, 0));
  EXPECT_EQ(l.picture_position, (Point{4, 7}));
  EXPECT_GE(l.caption.x, 24);

  // Picture first, both centred; a wide caption pushes the picture to the edge.
  l = LayOutCaption(Input(60, 30, Size{50, 13}, Size{16, 16}, true, 1));
  EXPECT_EQ(l.picture_position.x, 4);
  EXPECT_EQ(l.caption.x, 24);
  l = LayOutCaption(Input(200, 30, Size{40, 13}, Size{16, 16}, true, 1));
  EXPECT_EQ(l.picture_position.x, (200 - 56) / 2);
  EXPECT_EQ(l.caption.x, 100 - 20 + 8 + 3);

  // Picture at the right edge, caption to its left.
  l = LayOutCaption(Input(100, 30, Size{40, 13}, Size{16, 16}, true, 2, 2));
  EXPECT_EQ(l.picture_position.x, 80);
  EXPECT_EQ(l.caption.x, 100 - 40 - 4 - 16);
  EXPECT_LE(l.caption.x + 40, l.picture_position.x);

  // Caption first: a caption that cannot be centred left of the picture goes to the right.
  l = LayOutCaption(Input(100, 30, Size{40, 13}, Size{16, 16}, true, 3));
  EXPECT_EQ(l.caption.x, 50 - 20 - 8 - 3);
  EXPECT_EQ(l.picture_position.x, (100 - (16 - 40)) / 2);
  l = LayOutCaption(Input(60, 30, Size{90, 13}, Size{16, 16}, true, 3));
  EXPECT_EQ(l.caption.x, 60 - 90 - 4 - 16);
  EXPECT_EQ(l.picture_position.x, 60 - 16 - 4);  // held inside the right edge
}

TEST(CaptionLayout, StackedArrangementsPutThePictureAboveOrBelowTheCaption) {
  const Size text{40, 13}, pic{16, 16};
  for (std::int32_t align : {5, 6, 7, 8}) {
    const CaptionLayout l = LayOutCaption(Input(100, 60, text, pic, true, align));
    EXPECT_EQ(l.picture_position.x, 42) << align;
    EXPECT_EQ(l.caption.x, 30) << align;
    const bool above = align == 5 || align == 6;
    if (above) {
      EXPECT_LE(l.picture_position.y + pic.cy, l.caption.y + 2) << align;
    } else {
      EXPECT_GE(l.picture_position.y + 2, l.caption.y + text.cy) << align;
    }
  }
  EXPECT_EQ(LayOutCaption(Input(100, 60, text, pic, true, 5)).picture_position.y, 4);
  EXPECT_EQ(LayOutCaption(Input(100, 60, text, pic, true, 7)).picture_position.y, 60 - 16 - 4);
  // Centred together: the picture rides on the caption, held 4 pixels from the edge.
  EXPECT_EQ(LayOutCaption(Input(100, 60, text, pic, true, 6)).picture_position.y, (60 - 29) / 2);
  EXPECT_EQ(LayOutCaption(Input(100, 20, text, pic, true, 6)).picture_position.y, 4);
  EXPECT_EQ(LayOutCaption(Input(100, 20, text, pic, true, 8)).picture_position.y, 1);
  // Picture behind the caption: both centred.
  const CaptionLayout c = LayOutCaption(Input(100, 60, text, pic, true, 4));
  EXPECT_EQ(c.picture_position, (Point{42, 22}));
  EXPECT_EQ(c.caption, (Point{30, 24}));
}

TEST(CaptionLayout, CaptionAlignmentOverridesThePlacementBesideAPicture) {
  const Size text{40, 13}, pic{16, 16};
  // Left: next to a left picture, or 4 pixels in; a right-of-caption picture follows it.
  EXPECT_EQ(LayOutCaption(Input(100, 30, text, pic, true, 0, 0)).caption.x, 24);
  CaptionLayout l = LayOutCaption(Input(100, 30, text, pic, true, 1, 0));
  EXPECT_EQ(l.picture_position.x, 4);
  EXPECT_EQ(l.caption.x, 24);
  l = LayOutCaption(Input(100, 30, text, pic, true, 3, 0));
  EXPECT_EQ(l.caption.x, 4);
  EXPECT_EQ(l.picture_position.x, 44);
  for (std::int32_t align : {4, 5, 6, 7, 8})
    EXPECT_EQ(LayOutCaption(Input(100, 30, text, pic, true, align, 0)).caption.x, 4) << align;
  // Right: 4 pixels from the right edge, or left of a right picture.
  EXPECT_EQ(LayOutCaption(Input(100, 30, text, pic, true, 0, 2)).caption.x, 56);
  EXPECT_EQ(LayOutCaption(Input(60, 30, Size{50, 13}, pic, true, 0, 2)).caption.x, 20);
  l = LayOutCaption(Input(100, 30, text, pic, true, 1, 2));
  EXPECT_EQ(l.caption.x, 56);
  EXPECT_EQ(l.picture_position.x, 36);
  l = LayOutCaption(Input(100, 30, text, pic, true, 3, 2));
  EXPECT_EQ(l.picture_position.x, 80);
  EXPECT_EQ(l.caption.x, 40);
  for (std::int32_t align : {4, 5, 6, 7, 8})
    EXPECT_EQ(LayOutCaption(Input(100, 30, text, pic, true, align, 2)).caption.x, 56) << align;
  // Centre beside a right-edge picture: the caption is centred on the whole button.
  EXPECT_EQ(LayOutCaption(Input(100, 30, text, pic, true, 2, 1)).caption.x, 30);
  // Unknown arrangements put everything at the origin (then at least 1 for the picture).
  l = LayOutCaption(Input(100, 30, text, pic, true, 9, 1));
  EXPECT_EQ(l.picture_position, (Point{1, 1}));
  EXPECT_EQ(l.caption, (Point{0, 0}));
}

TEST(CaptionLayout, AnOversizedPictureShrinksWithoutMovingAndPressedStylesMoveIt) {
  CaptionLayoutInput in = Input(40, 20, Size{0, 13}, Size{64, 48}, true, 4);
  in.scale_width = 40.4;
  in.scale_height = 19.6;
  CaptionLayout l = LayOutCaption(in);
  EXPECT_EQ(l.picture_size, (Size{32, 16}));
  EXPECT_EQ(l.picture_position, (Point{1, 1}));

  in = Input(100, 30, Size{40, 13}, Size{16, 16}, true, 0);
  const Point rest = LayOutCaption(in).picture_position;
  in.state = DrawState::Pressed;
  for (std::int32_t style : {0, 1, 3, 8, 2, 5}) {
    in.style = style;
    const Point p = LayOutCaption(in).picture_position;
    const std::int32_t d = style == 5 ? 2 : style == 2 ? 0 : 1;
    EXPECT_EQ(p, (Point{rest.x + d, rest.y + d})) << style;
  }
  in.state = DrawState::Hot;
  in.style = 5;
  EXPECT_EQ(LayOutCaption(in).picture_position, (Point{rest.x - 1, rest.y - 1}));
}

TEST(CaptionLayout, PictureSizeChoosesNaturalOrFixedSizesAndKeepsTheLastOtherwise) {
  EXPECT_EQ(PictureDrawSize(0, Size{21, 13}, Size{5, 5}), (Size{21, 13}));
  EXPECT_EQ(PictureDrawSize(1, Size{21, 13}, Size{5, 5}), (Size{16, 16}));
  EXPECT_EQ(PictureDrawSize(2, Size{21, 13}, Size{5, 5}), (Size{24, 24}));
  EXPECT_EQ(PictureDrawSize(3, Size{21, 13}, Size{5, 5}), (Size{32, 32}));
  EXPECT_EQ(PictureDrawSize(7, Size{21, 13}, Size{5, 5}), (Size{5, 5}));
}

}  // namespace
}  // namespace quillet
