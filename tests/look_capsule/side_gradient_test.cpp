// The side gradient look (style 15). Expected colours worked out by hand: with the default
// BackColor 0xE6CAA7 = (167, 202, 230), B+0.08 = (187, 222, 250) and the face at column x of a
// 57-wide button is B + trunc(x * 20 / 56) per channel; pressed, B-0.05 = (154, 189, 217) to
// B+0.03 = (175, 210, 238), a step of trunc(x * 21 / 56).
#include "support/caption_fixture.h"
#include "support/dotted_rect.h"

namespace quillet::testing {
namespace {

constexpr Color kFrame = 0x7D807E;

class SideGradientTest : public CaptionTest {
 protected:
  explicit SideGradientTest(std::int32_t w = 57, std::int32_t h = 21) : CaptionTest(w, h), W(w), H(h) {
    Button().ButtonStyle(ButtonStyle::SideGradient);
    Button().Caption(u"");
    host.Form().Activate();
  }
  void Hover() { host.MovePointerTo(W / 2, H / 2); }
  // Face colours at columns 1, W/2 and W-2, on three rows, and the grey frame.
  void ExpectFace(Color left, Color middle, Color right) {
    for (std::int32_t y : {1, H / 2, H - 2}) {
      EXPECT_EQ(At(1, y), left) << y;
      EXPECT_EQ(At(W / 2, y), middle) << y;
      EXPECT_EQ(At(W - 2, y), right) << y;
    }
    for (std::int32_t x : {0, W / 2, W - 1}) {
      EXPECT_EQ(At(x, 0), kFrame) << x;
      EXPECT_EQ(At(x, H - 1), kFrame) << x;
    }
    for (std::int32_t y : {0, H / 2, H - 1}) {
      EXPECT_EQ(At(0, y), kFrame) << y;
      EXPECT_EQ(At(W - 1, y), kFrame) << y;
    }
  }
  const std::int32_t W, H;
};

TEST_F(SideGradientTest, NormalHotAndPressedFaces) {
  ExpectFace(0xE6CAA7, 0xF0D4B1, 0xF9DDBA);
  ASSERT_FALSE(host.Regions().empty());
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRect(0, 0, 57, 21));
  const std::vector<std::uint32_t> normal = host.Raster().Pixels();

  host.ClearRecords();
  Hover();
  ASSERT_EQ(Button().DrawState(), DrawState::Hot);
  EXPECT_EQ(host.Raster().Pixels(), normal);
  EXPECT_TRUE(host.Regions().empty());

  host.PressButton();
  ExpectFace(0xD9BD9A, 0xE3C7A4, 0xEDD1AE);
  EXPECT_TRUE(host.Regions().empty());
}

TEST_F(SideGradientTest, CheckedIsPressedAndDisabledKeepsItsFace) {
  Button().CheckBoxMode(true);
  Button().Value(true);
  ExpectFace(0xD9BD9A, 0xE3C7A4, 0xEDD1AE);
  Hover();
  ExpectFace(0xD9BD9A, 0xE3C7A4, 0xEDD1AE);
  Button().Value(false);
  host.MovePointerAway();
  Button().Enabled(false);
  host.PaintNow();
  ExpectFace(0xE6CAA7, 0xF0D4B1, 0xF9DDBA);
}

TEST_F(SideGradientTest, BaseColoursClampAndSystemColoursResolve) {
  // Black: +0.08 is 20 per channel, -0.05 clamps to 0, +0.03 is 8 (7.65 rounded).
  Button().BackColor(0x000000);
  ExpectFace(0x000000, 0x0A0A0A, 0x131313);
  Hover();
  host.PressButton();
  ExpectFace(0x000000, 0x040404, 0x070707);  // trunc(8 * 55 / 56) = 7
  host.ReleaseButton();
  host.MovePointerAway();

  // Pure red: green and blue brighten by 20, red stays clamped at 255.
  Button().BackColor(0x0000FF);
  ExpectFace(0x0000FF, 0x0A0AFF, 0x1313FF);

  // Window colour (white in the default table): a flat white face; pressed 242 to 255.
  for (Color c : {0xFFFFFFu, 0x80000005u}) {
    Button().BackColor(c);
    host.MovePointerAway();
    host.Form().Deactivate();
    host.PaintNow();
    ExpectFace(0xFFFFFF, 0xFFFFFF, 0xFFFFFF);
    Hover();
    host.PressButton();
    ExpectFace(0xF2F2F2, 0xF8F8F8, 0xFEFEFE);
    host.ReleaseButton();
  }
}

TEST_F(SideGradientTest, FocusRectangleThreePixelsInsideOnlyInAnActiveRunningForm) {
  const Rect rect{3, 3, W - 3, H - 3};
  const auto changed = [&](const std::vector<std::uint32_t>& plain) {
    return DottedPixels(plain, host.Raster().Pixels(), W, rect);
  };
  ASSERT_TRUE(Button().ShowFocusRect());  // the style's default
  host.PaintNow();
  const std::vector<std::uint32_t> plain = host.Raster().Pixels();
  host.Focus();
  host.PaintNow();
  EXPECT_NEAR(changed(plain), HalfOutline(rect), 4);

  // A default button shows it too; a designed form, an inactive form or ShowFocusRect off
  // shows none.
  host.Form().Deactivate();
  host.Form().Activate();
  ASSERT_FALSE(Button().HasFocus());
  host.ChangeAmbient("DisplayAsDefault", true);
  host.PaintNow();
  EXPECT_NEAR(changed(plain), HalfOutline(rect), 4);
  host.SetAmbient("UserMode", false);
  host.PaintNow();
  EXPECT_EQ(changed(plain), 0);
  host.SetAmbient("UserMode", true);
  Button().ShowFocusRect(false);
  host.PaintNow();
  EXPECT_EQ(changed(plain), 0);
  Button().ShowFocusRect(true);
  host.Form().Deactivate();
  host.PaintNow();
  EXPECT_EQ(changed(plain), 0);

  // Pressed, the rectangle lies over the pressed face.
  host.Form().Activate();
  Hover();
  host.PressButton();
  const std::vector<std::uint32_t> pressed = PaintPlainThenDotted(host);
  EXPECT_NEAR(changed(pressed), HalfOutline(rect), 4);
}

class SmallSideGradientTest : public SideGradientTest {
 protected:
  SmallSideGradientTest() : SideGradientTest(15, 15) {}
};

TEST_F(SmallSideGradientTest, FifteenPixelsWide) {
  // n = 14: column 1 adds trunc(20/14) = 1, column 7 adds 10, column 13 adds 18.
  ExpectFace(0xE7CBA8, 0xF0D4B1, 0xF8DCB9);
}

}  // namespace
}  // namespace quillet::testing
