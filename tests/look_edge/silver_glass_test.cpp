// Style 4 pixel by pixel in every look. Offsets of BackColor and the gradient rows are
// worked out by hand for each case; the side bands (five columns, so four steps) give the
// same middle column at every size: upper left 0xFFF2D8, lower left 0xFCDD9F, and, the
// mirrored gradients truncating the other way, upper right 0xFFF3D9 and lower right
// 0xFDDD9F. Pressed side bands: 0xE6C891 + 0.02 = 0xEBCD96, 0xF6E4C2 - 0.01 = 0xF3E1BF,
// 0xDCAB4E + 0.02 = 0xE1B053, 0xF0D29A - 0.01 = 0xEDCF97.
#include "support/look_fixture.h"

namespace quillet::testing {
namespace {

struct GlassCase {
  Size size;
  Color back;
  std::int32_t m;      // H / 2, halves to even
  Color row2;          // the upper band at row 2 (BackColor + 0.05 towards BackColor)
  Color lower_top;     // BackColor - 0.02, where the lower band starts
  Color lower_row;     // the lower band at row H - 3
  Color hot_row2;      // the hot upper band at row 2
  Color disabled_face, disabled_outer, disabled_inner, disabled_corner;  // +0.03, -0.25, +0.25, -0.03
};

constexpr Color kCorner = 0xBE965F;

class SilverGlassTest : public LookTest, public ::testing::WithParamInterface<GlassCase> {
 protected:
  SilverGlassTest() : LookTest(GetParam().size.cx, GetParam().size.cy) {
    host.Form().Activate();
    RoundedRegion(3);
    Button().ButtonStyle(ButtonStyle::SilverGlass);
    if (GetParam().back != 0xE3E3E3) Button().BackColor(GetParam().back);  // else the style's own
    Button().Caption(u"");
  }
  void ExpectCorners(Color c, const std::string& what) {
    for (auto [x, y] : {std::pair{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}})
      EXPECT_EQ(At(x, y), c) << what << " corner " << x << "," << y;
  }
  // Outer and inner frame, the inner one broken by the corner pixels.
  void ExpectFrames(Color outer, Color inner, const std::string& what) {
    ExpectFrame(Rect{0, 0, W, H}, outer, what);
    for (std::int32_t x : {2, W / 2, W - 3}) {
      EXPECT_EQ(At(x, 1), inner) << what << " " << x;
      EXPECT_EQ(At(x, H - 2), inner) << what << " " << x;
    }
    for (std::int32_t y : {2, H / 2, H - 3}) {
      EXPECT_EQ(At(1, y), inner) << what << " " << y;
      EXPECT_EQ(At(W - 2, y), inner) << what << " " << y;
    }
    ExpectCorners(kCorner, what);
  }
  const std::int32_t m = GetParam().m;
};

TEST_P(SilverGlassTest, NormalLookIsTwoBandsOfBackColorInGreyAndWhiteFrames) {
  ASSERT_EQ(Button().BackColor(), GetParam().back);
  host.ClearRecords();
  host.PaintNow();
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRoundRect(0, 0, W + 1, H + 1, 3, 3));
  ExpectFrames(0x707070, 0xFFFFFF, "normal");
  for (std::int32_t x : {2, W / 2, W - 3}) {
    EXPECT_EQ(At(x, 2), GetParam().row2) << x;
    EXPECT_EQ(At(x, m), GetParam().lower_top) << x;
    EXPECT_EQ(At(x, H - 3), GetParam().lower_row) << x;
  }
}

TEST_P(SilverGlassTest, HotLookIsPaleBlueGlassWithShadedSideBands) {
  host.ClearRecords();
  Hover();
  ASSERT_EQ(Button().DrawState(), DrawState::Hot);
  EXPECT_TRUE(host.Regions().empty());
  ExpectFrames(0x707070, 0xFFFFFF, "hot");
  EXPECT_EQ(At(W / 2, 2), GetParam().hot_row2);
  EXPECT_EQ(At(W / 2, m), 0xFFE9C1u);
  EXPECT_EQ(At(3, 3), 0xFFF2D8u);
  EXPECT_EQ(At(3, m), 0xFCDD9Fu);
  EXPECT_EQ(At(W - 4, 3), 0xFFF3D9u);
  EXPECT_EQ(At(W - 4, m), 0xFDDD9Fu);
  // The bands' own ends: the outer colours against the frames, the inner ones five in.
  EXPECT_EQ(At(2, 4), 0xFFF0D2u);  // one step in from 0xFFEECD: 0xCD + 23 / 4, 0xEE + 9 / 4
  EXPECT_EQ(At(5, 3), 0xFFF7E4u);
  EXPECT_EQ(At(W - 6, 3), 0xFFF7E4u);
  EXPECT_EQ(At(5, m), 0xFFE4AFu);  // 0xFDE1AC + 0.01
  // Focus shows only as the dotted rectangle while hot.
  host.Focus();
  ExpectFrames(0x707070, 0xFFFFFF, "hot focused");
  EXPECT_NEAR(DottedPixels(Rect{2, 2, W - 2, H - 2}), HalfOutline(Rect{2, 2, W - 2, H - 2}), 2);
}

TEST_P(SilverGlassTest, PressedLookIsDeepBlueInADarkFrameWithAGradedTopRim) {
  Press();
  ASSERT_EQ(Button().DrawState(), DrawState::Pressed);
  ASSERT_TRUE(Button().HasFocus());
  ExpectFrame(Rect{0, 0, W, H}, 0x5C411D, "pressed");
  ExpectCorners(kCorner, "pressed");
  const std::int32_t c = W / 2;
  EXPECT_EQ(At(c, 1), 0xB39C71u);
  EXPECT_EQ(At(c, 2), 0xD6C6A9u);
  EXPECT_EQ(At(W - 2, 2), 0xD6C6A9u);
  EXPECT_EQ(At(c, 3), 0xECD9B9u);
  EXPECT_EQ(At(c, m - 1), 0xF6E4C2u);
  EXPECT_EQ(At(c, m), 0xF0D29Au);
  EXPECT_EQ(At(c, H - 2), 0xF0D29Au);
  EXPECT_EQ(At(1, 2), 0xCFB073u);
  EXPECT_EQ(At(1, 3), 0xEBCD96u);
  EXPECT_EQ(At(5, 3), 0xF3E1BFu);
  EXPECT_EQ(At(1, m), 0xE1B053u);
  EXPECT_EQ(At(5, m), 0xEDCF97u);
  EXPECT_EQ(At(W - 2, 3), 0xEBCD96u);
  EXPECT_EQ(At(W - 6, 3), 0xF3E1BFu);
  EXPECT_EQ(At(W - 2, m), 0xE1B053u);
  // A checked button looks pressed with the pointer away.
  host.ReleaseButton();
  host.MovePointerAway();
  Button().CheckBoxMode(true);
  Button().Value(true);
  ExpectFrame(Rect{0, 0, W, H}, 0x5C411D, "checked");
  EXPECT_EQ(At(c, m), 0xF0D29Au);
}

TEST_P(SilverGlassTest, FocusedOrDefaultAtRestGetsBlueFramesAndOnlyFocusGetsDots) {
  const Rect dots{2, 2, W - 2, H - 2};
  host.Focus();
  host.PaintNow();
  ExpectFrames(0xA77532, 0xFBD848, "focused");
  EXPECT_NEAR(DottedPixels(dots), HalfOutline(dots), 2);

  host.Form().Deactivate();
  ASSERT_FALSE(Button().ParentActive());
  EXPECT_EQ(DottedPixels(dots), 0);
  ExpectFrames(0x707070, 0xFFFFFF, "inactive");

  host.Form().Activate();
  ASSERT_FALSE(Button().HasFocus());
  host.ChangeAmbient("DisplayAsDefault", true);
  ExpectFrames(0xA77532, 0xFBD848, "default");
  EXPECT_EQ(DottedPixels(dots), 0);
}

TEST_P(SilverGlassTest, DisabledLookTakesEveryColourFromBackColor) {
  host.Focus();
  Button().ShowFocusRect(true);
  Button().Enabled(false);
  for (int look = 0; look < 2; ++look) {
    if (look == 1) Hover();
    host.ClearRecords();
    host.PaintNow();
    const std::string n = "disabled " + std::to_string(look);
    EXPECT_EQ(host.Regions().back(), RegionShape::FromRoundRect(0, 0, W + 1, H + 1, 3, 3)) << n;
    ExpectFrame(Rect{0, 0, W, H}, GetParam().disabled_outer, n);
    for (std::int32_t x : {2, W / 2, W - 3}) EXPECT_EQ(At(x, 1), GetParam().disabled_inner) << n;
    for (std::int32_t y : {2, H / 2, H - 3}) EXPECT_EQ(At(W - 2, y), GetParam().disabled_inner) << n;
    ExpectCorners(GetParam().disabled_corner, n);
    ExpectFill(Rect{2, 2, W - 2, H - 2}, GetParam().disabled_face, n);
  }
}

INSTANTIATE_TEST_SUITE_P(
    SizesAndColours, SilverGlassTest,
    ::testing::Values(
        GlassCase{{15, 15}, 0xE3E3E3, 8, 0xF0F0F0, 0xDEDEDE, 0xD3D3D3, 0xFFF7E3, 0xEBEBEB, 0xA3A3A3, 0xFFFFFF, 0xDBDBDB},
        GlassCase{{57, 21}, 0x3060C0, 10, 0x3D6DCD, 0x2B5BBB, 0x1D4DAD, 0xFFF7E3, 0x3868C8, 0x002080, 0x70A0FF, 0x2858B8},
        GlassCase{{100, 24}, 0x000000, 12, 0x0D0D0D, 0x000000, 0x000000, 0xFFF7E4, 0x080808, 0x000000, 0x404040, 0x000000},
        GlassCase{{40, 25}, 0xFFFFFF, 12, 0xFFFFFF, 0xFAFAFA, 0xEBEBEB, 0xFFF7E4, 0xFFFFFF, 0xBFBFBF, 0xFFFFFF, 0xF7F7F7},
        GlassCase{{169, 33}, 0x8000000F, 16, 0xFDFDFD, 0xEBEBEB, 0xDCDCDC, 0xFFF7E4, 0xF8F8F8, 0xB0B0B0, 0xFFFFFF, 0xE8E8E8}));

}  // namespace
}  // namespace quillet::testing
