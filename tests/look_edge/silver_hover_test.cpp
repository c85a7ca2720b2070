// Style 3 pixel by pixel in every look, the caption colour it chooses and the form colour
// it clears to. Offsets of the fixed colours and the gradient rows are worked out by hand:
// 0xC9D4D4 - 0.05 = 0xBCC7C7, 0xD1DADC - 0.02 = 0xCCD5D7, 0xDAE1E3 - 0.02 = 0xD5DCDE,
// 0xDEE5E6 + 0.02 = 0xE3EAEB, 0xE5EAEB + 0.02 = 0xEAEFF0, 0xABB4B5 - 0.2 = 0x788182,
// 0xC1B3A0 - 0.2 = 0x8E806D.
#include "button/styles/style_renderers.h"
#include "support/look_fixture.h"

namespace quillet::testing {
namespace {

struct HoverCase {
  Size size;
  Color back, face;
  Color hot_row1;     // the upper band one row below its top
  Color hot_low_row;  // the lower band at row H - 5
};

class SilverHoverTest : public LookTest, public ::testing::WithParamInterface<HoverCase> {
 protected:
  SilverHoverTest() : LookTest(GetParam().size.cx, GetParam().size.cy) {
    host.Form().Activate();
    RoundedRegion(4);
    Style(ButtonStyle::SilverHover, GetParam().back);
  }
  void ExpectCorners(Color c, const std::string& what) {
    for (auto [x, y] : {std::pair{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}})
      EXPECT_EQ(At(x, y), c) << what << " corner " << x << "," << y;
  }
  void ExpectCheckedBase(const std::string& what) {
    ExpectFrame(Rect{0, 0, W, H}, 0xAF987A, what);
    ExpectCorners(0x8E806D, what);
    EXPECT_EQ(At(W / 2, H / 2), 0xFEFEFE) << what;
    EXPECT_EQ(At(2, 2), 0xFEFEFE) << what;
  }
  void ExpectPressed(const std::string& what) {
    ExpectFrame(Rect{0, 0, W, H}, 0x929D9D, what);
    ExpectCorners(0x788182, what);
    for (std::int32_t x : {2, W / 2, W - 3}) {
      EXPECT_EQ(At(x, 1), 0xCCD5D7) << what;
      EXPECT_EQ(At(x, 2), 0xD5DCDE) << what;
      EXPECT_EQ(At(x, H - 3), 0xE3EAEB) << what;
      EXPECT_EQ(At(x, H - 2), 0xEAEFF0) << what;
    }
    ExpectFill(Rect{1, 3, W - 1, H - 3}, 0xDDE4E5, what);
    EXPECT_EQ(Button().ForeColor(), 0xFFFFFFu) << what;
    EXPECT_EQ(LastText().color, 0xFFFFFFu) << what;
  }
};

TEST_P(SilverHoverTest, NormalLookIsAFlatFaceShapedOnlyByTheRoundedRegion) {
  Button().ForeColor(0x123456);
  host.ClearRecords();
  host.PaintNow();
  ExpectFill(Rect{0, 0, W, H}, GetParam().face, "flat");
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRoundRect(0, 0, W + 1, H + 1, 4, 4));
  // The program's ForeColor gives way to the button-text colour, silently.
  EXPECT_EQ(Button().ForeColor(), kSysColorButtonText);
  EXPECT_EQ(LastText().color, 0x000000u);
  for (const std::string& c : host.changes) EXPECT_NE(c, "ForeColor");
}

TEST_P(SilverHoverTest, HotLookIsTwoSilverBandsShadedInAGreyFrame) {
  host.ClearRecords();
  Hover();
  ASSERT_EQ(Button().DrawState(), DrawState::Hot);
  EXPECT_TRUE(host.Regions().empty());
  const std::int32_t h2 = (H == 15) ? 8 : (H == 21) ? 10 : (H == 25) ? 12 : 16;  // H / 2, halves to even
  const std::int32_t m = W / 2;
  ExpectFrame(Rect{0, 0, W, H}, 0xC3CECE, "hot frame");
  ExpectCorners(0xBCC7C7, "hot");
  EXPECT_EQ(At(m, 1), GetParam().hot_row1);
  EXPECT_EQ(At(m, h2 - 1), 0xEEF4F4u);  // both bands meet in the same colour
  EXPECT_EQ(At(m, h2), 0xEEF4F4u);
  EXPECT_EQ(At(m, H - 5), GetParam().hot_low_row);
  // Right shading two columns wide; three bottom rows across the whole width.
  for (std::int32_t y : {2, h2, H - 5}) {
    EXPECT_EQ(At(W - 2, y), 0xE0E7EAu) << y;
    EXPECT_EQ(At(W - 3, y), 0xEAF0F0u) << y;
  }
  for (std::int32_t x : {1, m, W - 3, W - 2}) {
    EXPECT_EQ(At(x, H - 4), 0xE5EDEEu) << x;
    EXPECT_EQ(At(x, H - 3), 0xD6E1E4u) << x;
  }
  for (std::int32_t x : {2, m, W - 3}) EXPECT_EQ(At(x, H - 2), 0xC6D2D7u) << x;
  EXPECT_EQ(Button().ForeColor(), kSysColorButtonText);
}

TEST_P(SilverHoverTest, PressedLookIsGreyAndSunkenWithAWhiteCaption) {
  Press();
  ASSERT_EQ(Button().DrawState(), DrawState::Pressed);
  ExpectPressed("pressed");
  // Back at rest the caption colour returns.
  host.ReleaseButton();
  host.MovePointerAway();
  EXPECT_EQ(Button().ForeColor(), kSysColorButtonText);
}

TEST_P(SilverHoverTest, CheckedLookIsNearWhiteInASteelBlueFrame) {
  Button().CheckBoxMode(true);
  Button().Value(true);
  // Not forced into the pressed look by the redraw.
  EXPECT_EQ(Button().DrawState(), DrawState::Normal);
  ExpectCheckedBase("checked");
  EXPECT_EQ(At(W - 2, H / 2), 0xFEFEFEu);
  EXPECT_EQ(Button().ForeColor(), kSysColorButtonText);

  Hover();
  ExpectCheckedBase("checked hot");
  for (std::int32_t y : {2, H / 2, H - 5}) EXPECT_EQ(At(W - 2, y), 0xEDF0F2u) << y;
  for (std::int32_t x : {2, W / 2, W - 3}) EXPECT_EQ(At(x, H - 2), 0xD8DEE4u) << x;
  for (std::int32_t x : {1, W / 2, W - 2}) {
    EXPECT_EQ(At(x, H - 3), 0xE8ECEFu) << x;
    EXPECT_EQ(At(x, H - 4), 0xF8F9FAu) << x;
  }
  EXPECT_EQ(At(1, H - 5), 0xFEFEFEu);

  // Held down with the left button: the pressed look and a white caption.
  host.PressButton();
  ASSERT_TRUE(Button().LeftButtonDown());
  ExpectPressed("checked held");
}

TEST_P(SilverHoverTest, ACheckedButtonHandedThePressedLookWithoutTheMouseDrawsItPressed) {
  Button().CheckBoxMode(true);
  Button().Value(true);
  ASSERT_FALSE(Button().LeftButtonDown());
  host.Raster().Cls();
  RenderSilverHover(Button(), DrawState::Pressed);
  ExpectFrame(Rect{0, 0, W, H}, 0x929D9D, "pressed by key");
  ExpectFill(Rect{1, 3, W - 1, H - 3}, 0xDDE4E5, "pressed by key");
  EXPECT_EQ(Button().ForeColor(), 0xFFFFFFu);
}

TEST_P(SilverHoverTest, TheSurfaceClearsToTheFormsColour) {
  EXPECT_EQ(host.Raster().BackColor(), 0xF0F0F0u);  // the form's button-face colour, resolved
  host.ChangeAmbient("BackColor", static_cast<std::int32_t>(0x8000000C));
  host.PaintNow();
  EXPECT_EQ(host.Raster().BackColor(), 0xABABABu);
  host.ChangeAmbient("BackColor", static_cast<std::int32_t>(0x2040A0));
  Hover();
  EXPECT_EQ(host.Raster().BackColor(), 0x2040A0u);
}

INSTANTIATE_TEST_SUITE_P(SizesAndColours, SilverHoverTest,
                         ::testing::Values(HoverCase{{15, 15}, 0x8000000F, 0xF0F0F0, 0xFBFDFD, 0xEDF4F4},
                                           HoverCase{{57, 21}, 0x3060C0, 0x3060C0, 0xFCFDFD, 0xECF2F2},
                                           HoverCase{{40, 25}, 0x000000, 0x000000, 0xFCFEFE, 0xECF2F2},
                                           HoverCase{{169, 33}, 0xFFFFFF, 0xFFFFFF, 0xFCFEFE, 0xEBF2F2}));

}  // namespace
}  // namespace quillet::testing
