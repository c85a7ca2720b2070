// Style 10: fill, five-row highlight band, one row of fill, a body brightening downwards,
// a frame B - 0.33 and corner pixels B - 0.5, in each of the three looks. The band has 4
// steps (row y shows step y); the body starts at row 6 and is H - 1 rows tall (n = H - 2),
// so row H - 2 shows step H - 8. Every colour below was worked out by hand from BackColor.
#include <vector>

#include "support/look_fixture.h"

namespace quillet::testing {
namespace {

struct Look {
  Color fill, band1, band2, band4, body_top, body_h2;
};

struct BandedCase {
  Size size;
  Color back;
  Color frame, corner;
  Look normal, hot, pressed;
};

const BandedCase kCases[] = {
    // The style's own BackColor, (173, 209, 255). Frame: 173 - 84.15 -> 89, 209 - 84.15 ->
    // 125, 255 - 84.15 -> 171; corners: 45.5 -> 46, 81.5 -> 82, 127.5 -> 128. Normal band
    // top: Avg(B, white) = (214, 232, 255), + 25.5 -> (240, 255, 255); step 1 of 4 toward B
    // is (240 - 16, 255 - 11, 255).
    {{100, 30}, 0xFFD1AD, 0xAB7D59, 0x80522E,
     {0xFFD1AD, 0xFFF4E0, 0xFFE8CF, 0xFFD1AD, 0xF2C4A0, 0xFCEAD4},
     {0xFFDEBA, 0xFFF7EE, 0xFFEFDD, 0xFFDEBA, 0xFFD1AD, 0xFFF2DC},
     {0xF7C9A5, 0xFFF4E0, 0xFFE8CF, 0xFFD1AD, 0xEBBD99, 0xFAE5D0}},
    // Black: frame and corners clamp at 0; the band starts at Avg(black, white) + 0.1 =
    // 128 + 25.5 -> 154, step 1 is 154 - 38.
    {{15, 15}, 0x000000, 0x000000, 0x000000,
     {0x000000, 0x747474, 0x4D4D4D, 0x000000, 0x000000, 0x4B4B4B},
     {0x0D0D0D, 0x858585, 0x5D5D5D, 0x0D0D0D, 0x000000, 0x4E4E4E},
     {0x000000, 0x747474, 0x4D4D4D, 0x000000, 0x000000, 0x494949}},
    // The button face system colour, resolved to (240, 240, 240).
    {{57, 21}, 0x8000000F, 0x9C9C9C, 0x707070,
     {0xF0F0F0, 0xFCFCFC, 0xF8F8F8, 0xF0F0F0, 0xE3E3E3, 0xF6F6F6},
     {0xFDFDFD, 0xFFFFFF, 0xFEFEFE, 0xFDFDFD, 0xF0F0F0, 0xFAFAFA},
     {0xE8E8E8, 0xFCFCFC, 0xF8F8F8, 0xF0F0F0, 0xDCDCDC, 0xF3F3F3}},
    {{169, 33}, 0x3060C0, 0x000C6C, 0x000040,
     {0x3060C0, 0x92B0EC, 0x7195DD, 0x3060C0, 0x2353B3, 0x8BA7E0},
     {0x3D6DCD, 0xA3C1F3, 0x81A5E6, 0x3D6DCD, 0x3060C0, 0x92AFE8},
     {0x2858B8, 0x92B0EC, 0x7195DD, 0x3060C0, 0x1C4CAC, 0x86A3DC}},
};

class BandedGradientTest : public LookTest, public ::testing::WithParamInterface<BandedCase> {
 protected:
  BandedGradientTest()
      : LookTest(ButtonStyle::BandedGradient, GetParam().size.cx, GetParam().size.cy, GetParam().back),
        c(GetParam()) {}

  void ExpectLook(const Look& l) {
    EXPECT_TRUE(Outline(0, 0, W, H, c.frame));
    EXPECT_TRUE(Corners(c.corner));
    EXPECT_TRUE(Row(1, 2, W - 2, l.band1));
    EXPECT_TRUE(Row(2, 1, W - 1, l.band2));
    EXPECT_TRUE(Row(4, 1, W - 1, l.band4));
    EXPECT_TRUE(Row(5, 1, W - 1, l.fill));  // between band and body
    EXPECT_TRUE(Row(6, 1, W - 1, l.body_top));
    EXPECT_TRUE(Row(H - 2, 2, W - 2, l.body_h2));
  }

  const BandedCase& c;
};

TEST_P(BandedGradientTest, NormalLookTakesTheRoundedRegionAndIgnoresFocusDefaultAndEnabled) {
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRoundRect(0, 0, W + 1, H + 1, 4, 4));
  ExpectLook(c.normal);
  const std::vector<std::uint32_t> rest = host.Raster().Pixels();
  Button().ShowFocusRect(true);
  host.Form().Activate();
  host.Focus();
  host.ChangeAmbient("DisplayAsDefault", true);
  EXPECT_EQ(host.Raster().Pixels(), rest);
  Button().Enabled(false);
  EXPECT_EQ(host.Raster().Pixels(), rest);
  host.Form().Deactivate();
  EXPECT_EQ(host.Raster().Pixels(), rest);
}

TEST_P(BandedGradientTest, HotLightensTheWholeFaceWithoutRebuildingTheRegion) {
  host.ClearRecords();
  Hover();
  ExpectLook(c.hot);
  EXPECT_TRUE(host.Regions().empty());
  Button().Enabled(false);
  ExpectLook(c.hot);
}

TEST_P(BandedGradientTest, PressedAndCheckedDarkenTheBase) {
  Hover();
  host.PressButton();
  ExpectLook(c.pressed);
  host.ReleaseButton();
  host.MovePointerAway();
  Check();
  ASSERT_FALSE(Button().MouseOver());
  ExpectLook(c.pressed);
}

INSTANTIATE_TEST_SUITE_P(SizesAndColours, BandedGradientTest, ::testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace quillet::testing
