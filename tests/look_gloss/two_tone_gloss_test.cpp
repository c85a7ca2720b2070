// The two-tone gloss look (style 6): white fading into BackColor over the upper half, the
// plain colour below, white inner and darker outer frame, a darker bottom line; pressed,
// all of it darker. Expected colours are worked out by hand from the rules (OffsetColor
// rounding, gradient steps truncated toward zero) and written as literals.
#include <tuple>

#include "support/caption_fixture.h"
#include "support/dotted_rect.h"

namespace quillet::testing {
namespace {

constexpr Color kWhite = 0xFFFFFF;

struct Case {
  Size size;
  Color back;
  std::int32_t m;          // rows of the white fade: H / 2, halves to even
  std::int32_t row;        // a row of the white fade, away from the frame
  Color rest_row;          // that row at rest
  Color outer, bottom, corner;  // B - 0.2, B - 0.25, B + 0.05
  Color pressed_row;            // the same row pressed
  Color pressed_half;           // B - 0.1: the last row of the fade and the first below it
  Color pressed_second_last;    // row H - 2, pressed
  Color pressed_outer, pressed_bottom;  // B - 0.23, B - 0.4
};

// 57 x 25: halves of 12 and 13 rows. Row 5 of the fade: 255 + trunc(5 x (c - 255) / 11).
constexpr Case kOddHeight{{57, 25}, 0xE1D6D5, 12, 5,        0xF2EDEC, 0xAEA3A2, 0xA19695, 0xEEE3E2,
                          0xE6E1E1, 0xC7BCBB, 0xCCC1C0, 0xA69B9A, 0x7B706F};
// 15 x 15: m = 7.5 rounded to even, 8. Below, B - 0.1 fades towards B - 0.05 over 15 rows.
constexpr Case kSmallest{{15, 15}, 0x3366CC, 8, 3,        0xA8BEEA, 0x003399, 0x00268C, 0x4073D9,
                         0x9DB3DE, 0x194CB2, 0x1D50B6, 0x002B91, 0x000066};
// 100 x 30 in black: every darker shade clamps at 0; the fade's row 7 of 15 is grey 128.
constexpr Case kBlack{{100, 30}, 0x000000, 15, 7,        0x808080, 0x000000, 0x000000, 0x0D0D0D,
                      0x808080, 0x000000, 0x000000, 0x000000, 0x000000};

class TwoToneGlossTest : public CaptionTest, public ::testing::WithParamInterface<Case> {
 protected:
  TwoToneGlossTest() : CaptionTest(GetParam().size.cx, GetParam().size.cy) {
    Button().ButtonStyle(ButtonStyle::TwoToneGloss);
    Button().BackColor(P.back);
    Button().ShowFocusRect(false);  // pressing takes the focus; the dots are tested below
    host.Form().Activate();
    host.PaintNow();
  }

  // Outer frame, the white inner frame showing only on top and at the sides, the bottom
  // line, and the softened corner pixels.
  // The four outermost corner pixels lie outside the rounded window region.
  void ExpectFrames(Color outer, Color bottom) {
    for (std::int32_t x = 1; x < W - 1; ++x) EXPECT_EQ(At(x, 0), outer) << x;
    for (std::int32_t y = 1; y < H - 1; ++y) {
      EXPECT_EQ(At(0, y), outer) << y;
      EXPECT_EQ(At(W - 1, y), outer) << y;
    }
    for (std::int32_t x : {1, W - 2}) {
      EXPECT_EQ(At(x, H - 1), outer) << x;
      for (std::int32_t y = 2; y < H - 2; ++y) EXPECT_EQ(At(x, y), kWhite) << x << "," << y;
    }
    for (std::int32_t x = 2; x < W - 2; ++x) {
      EXPECT_EQ(At(x, 1), kWhite) << x;
      EXPECT_EQ(At(x, H - 1), bottom) << x;
    }
    for (auto [x, y] : {std::pair{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}})
      EXPECT_EQ(At(x, y), P.corner) << x << "," << y;
  }

  // Each row of the face is one colour from column 2 to W - 3.
  Color Row(std::int32_t y) {
    for (std::int32_t x = 3; x < W - 2; ++x) EXPECT_EQ(At(x, y), At(2, y)) << x << "," << y;
    return At(2, y);
  }

  const Case& P = GetParam();
  const std::int32_t W = P.size.cx;
  const std::int32_t H = P.size.cy;
  const std::int32_t m = P.m;
};

TEST_P(TwoToneGlossTest, RestFadesFromWhiteIntoTheBackColourOverTheUpperHalf) {
  ExpectFrames(P.outer, P.bottom);
  EXPECT_EQ(Row(P.row), P.rest_row);
  EXPECT_EQ(Row(m - 1), P.back);
  for (std::int32_t y = m; y < H - 1; ++y) EXPECT_EQ(Row(y), P.back) << y;
  for (std::int32_t y = 2; y + 1 < m; ++y) EXPECT_GE(GreenOf(Row(y)), GreenOf(Row(y + 1))) << y;
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRoundRect(0, 0, W + 1, H + 1, 3, 3));
}

TEST_P(TwoToneGlossTest, HotIsPixelForPixelTheRestingLookWithoutANewRegion) {
  const std::vector<std::uint32_t> rest = host.Raster().Pixels();
  host.ClearRecords();
  host.MovePointerTo(W / 2, H / 2);
  ASSERT_EQ(Button().DrawState(), DrawState::Hot);
  EXPECT_EQ(host.Raster().Pixels(), rest);
  EXPECT_TRUE(host.Regions().empty());
}

TEST_P(TwoToneGlossTest, PressedOrCheckedDarkensFaceAndFrame) {
  for (int way = 0; way < 2; ++way) {
    if (way == 0) {
      host.MovePointerTo(W / 2, H / 2);
      host.PressButton();
      ASSERT_EQ(Button().DrawState(), DrawState::Pressed);
    } else {
      host.ReleaseButton();
      host.MovePointerAway();
      Button().CheckBoxMode(true);
      host.ClearRecords();
      Button().Value(true);
      EXPECT_TRUE(host.Regions().empty());
    }
    ExpectFrames(P.pressed_outer, P.pressed_bottom);
    EXPECT_EQ(Row(P.row), P.pressed_row) << way;
    EXPECT_EQ(Row(m - 1), P.pressed_half) << way;
    EXPECT_EQ(Row(m), P.pressed_half) << way;
    EXPECT_EQ(Row(H - 2 == m ? m : H - 2), H - 2 == m ? P.pressed_half : P.pressed_second_last) << way;
  }
}

TEST_P(TwoToneGlossTest, DisabledShowsTheRestingLookWhateverTheState) {
  Button().CheckBoxMode(true);
  Button().Value(true);  // arrives pressed
  host.ClearRecords();
  Button().Enabled(false);
  ASSERT_EQ(Button().DrawState(), DrawState::Pressed);
  ExpectFrames(P.outer, P.bottom);
  EXPECT_EQ(Row(P.row), P.rest_row);
  EXPECT_EQ(Row(H - 2), P.back);
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRoundRect(0, 0, W + 1, H + 1, 3, 3));
}

INSTANTIATE_TEST_SUITE_P(SizesAndColours, TwoToneGlossTest, ::testing::Values(kOddHeight, kSmallest, kBlack));

// The focus rectangle goes round the caption, where the caption stood at the last redraw.
// The fixed-size text engine paints nothing, so the face does not depend on the caption.
class TwoToneGlossFocus : public CaptionTest {
 protected:
  TwoToneGlossFocus() {
    Button().ButtonStyle(ButtonStyle::TwoToneGloss);
    host.Form().Activate();
    Button().ShowFocusRect(false);
    host.Focus();
    plain = host.Raster().Pixels();
    Button().ShowFocusRect(true);
    host.PaintNow();
  }
  // The dots drawn since `plain` all lie on the outline of r, about every other pixel of it.
  void ExpectAround(const Rect& r) {
    EXPECT_NEAR(DottedPixels(plain, host.Raster().Pixels(), 100, r), HalfOutline(r), 2);
  }
  std::vector<std::uint32_t> plain;
};

TEST_F(TwoToneGlossFocus, DrawnRoundTheCaptionWhereItStoodAtThePreviousRedraw) {
  // A 40 x 13 caption centred on 100 x 30 stands at (30, 9): the rectangle is (28, 9, 71, 23).
  ExpectAround(Rect{28, 9, 71, 23});
  // A 20 x 13 caption moves to x = 40, but this redraw still uses the old rectangle ...
  text->size = Size{20, 13};
  Button().Caption(u"narrow");
  ExpectAround(Rect{28, 9, 71, 23});
  EXPECT_EQ(Button().CaptionFocusRect(), (Rect{38, 9, 61, 23}));
  // ... and the next one the new.
  host.PaintNow();
  ExpectAround(Rect{38, 9, 61, 23});
}

TEST_F(TwoToneGlossFocus, PressedItStaysRoundTheCaption) {
  host.MovePointerTo(50, 15);
  host.PressButton();
  const std::vector<std::uint32_t> pressed_focused = host.Raster().Pixels();
  plain = PaintPlainThenDotted(host);
  ExpectAround(Rect{28, 9, 71, 23});
  EXPECT_EQ(host.Raster().Pixels(), pressed_focused);
}

TEST_F(TwoToneGlossFocus, ADefaultButtonShowsItAnInactiveFormDoesNot) {
  host.Form().Deactivate();
  host.Form().Activate();
  ASSERT_FALSE(Button().HasFocus());
  host.ChangeAmbient("DisplayAsDefault", true);
  ExpectAround(Rect{28, 9, 71, 23});
  host.Form().Deactivate();
  EXPECT_EQ(DottedPixels(plain, host.Raster().Pixels(), 100, Rect{28, 9, 71, 23}), 0);
}

}  // namespace
}  // namespace quillet::testing
