// The amber gloss look (style 7): two gradient bands split at H / 2.7 inside a frame of
// BackColor - 0.34, in four sets of colours (rest, hot, pressed, checked). Expected
// colours are worked out by hand from the rules and written as literals: for each look the
// middle row of the upper band, its last row, the first row of the lower band and the row
// above the frame.
#include <array>
#include <tuple>

#include "support/caption_fixture.h"

namespace quillet::testing {
namespace {

using Rows = std::array<Color, 4>;

struct Case {
  Size size;
  Color back;
  std::int32_t k;  // rows of the upper band: H / 2.7 rounded
  Color frame;
  Rows rest, hot, pressed, checked;
};

constexpr Case k25{{100, 25}, 0xFFD1AD, 9, 0xA87A56,
                   {0xFFE7CC, 0xFFDAB6, 0xFFD1AD, 0xFFD8B4},
                   {0xC7F5FF, 0xACEAFF, 0x67D7FF, 0x95E3FF},
                   {0x55B8FF, 0x51AFFF, 0x468FFF, 0x5DCEFF},
                   {0x8CCDFF, 0x6FC0FF, 0x3FABFF, 0x71DDFF}};
constexpr Case k15{{15, 15}, 0x3366CC, 6, 0x000F75,
                   {0x668FE1, 0x3C6FD5, 0x3366CC, 0x3A6DD3},
                   {0xC2F3FF, 0xACEAFF, 0x67D7FF, 0x92E2FF},
                   {0x54B7FF, 0x51AFFF, 0x468FFF, 0x5BCAFF},
                   {0x87CAFF, 0x6FC0FF, 0x3FABFF, 0x6EDAFF}};
constexpr Case k20{{57, 20}, 0x000000, 7, 0x000000,
                   {0x4A4A4A, 0x090909, 0x000000, 0x070707},
                   {0xC7F5FF, 0xACEAFF, 0x67D7FF, 0x94E2FF},
                   {0x55B8FF, 0x51AFFF, 0x468FFF, 0x5CCDFF},
                   {0x8CCDFF, 0x6FC0FF, 0x3FABFF, 0x70DCFF}};
constexpr Case k33{{169, 33}, 0xFFFFFF, 12, 0xA8A8A8,
                   {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
                   {0xC5F4FF, 0xACEAFF, 0x67D7FF, 0x96E3FF},
                   {0x55B8FF, 0x51AFFF, 0x468FFF, 0x5DCFFF},
                   {0x8ACCFF, 0x6FC0FF, 0x3FABFF, 0x72DEFF}};

class AmberGlossTest : public CaptionTest, public ::testing::WithParamInterface<Case> {
 protected:
  AmberGlossTest() : CaptionTest(GetParam().size.cx, GetParam().size.cy) {
    Button().ButtonStyle(ButtonStyle::AmberGloss);
    Button().BackColor(P.back);
    host.Form().Activate();
    host.PaintNow();
  }

  // The frame all round, every row one colour inside it, and the four sampled rows.
  void ExpectLook(const Rows& rows, const char* what) {
    for (std::int32_t x = 0; x < W; ++x) {
      ASSERT_EQ(At(x, 0), P.frame) << what << " " << x;
      ASSERT_EQ(At(x, H - 1), P.frame) << what << " " << x;
    }
    for (std::int32_t y = 1; y < H - 1; ++y) {
      ASSERT_EQ(At(0, y), P.frame) << what << " " << y;
      ASSERT_EQ(At(W - 1, y), P.frame) << what << " " << y;
      for (std::int32_t x = 2; x < W - 1; ++x) ASSERT_EQ(At(x, y), At(1, y)) << what << " " << x << "," << y;
    }
    EXPECT_EQ(At(1, k / 2), rows[0]) << what;
    EXPECT_EQ(At(1, k - 1), rows[1]) << what;
    EXPECT_EQ(At(1, k), rows[2]) << what;
    EXPECT_EQ(At(1, H - 2), rows[3]) << what;
  }

  const Case& P = GetParam();
  const std::int32_t W = P.size.cx;
  const std::int32_t H = P.size.cy;
  const std::int32_t k = P.k;
};

TEST_P(AmberGlossTest, RestHotAndPressedEachHaveTheirBands) {
  ExpectLook(P.rest, "rest");
  host.ClearRecords();
  host.MovePointerTo(W / 2, H / 2);
  ExpectLook(P.hot, "hot");
  host.PressButton();
  ExpectLook(P.pressed, "pressed");
  // The region stays the plain rectangle the style setter gave it.
  EXPECT_TRUE(host.Regions().empty());
}

TEST_P(AmberGlossTest, CheckedIsAmberAtRestAndThePressedAmberUnderThePointer) {
  Button().CheckBoxMode(true);
  Button().Value(true);
  ExpectLook(P.checked, "checked");
  host.MovePointerTo(W / 2, H / 2);
  ExpectLook(P.pressed, "checked, pointer over");
  host.MovePointerAway();
  ExpectLook(P.checked, "checked, pointer gone");
}

TEST_P(AmberGlossTest, FocusDefaultAndDisabledChangeNoPixel) {
  const std::vector<std::uint32_t> rest = host.Raster().Pixels();
  Button().ShowFocusRect(true);
  host.Focus();
  host.ChangeAmbient("DisplayAsDefault", true);
  EXPECT_EQ(host.Raster().Pixels(), rest);
  Button().Enabled(false);
  EXPECT_EQ(host.Raster().Pixels(), rest);
  EXPECT_EQ(LastText().color, host.Raster().SysColor(kColorGrayText));  // only the caption shows it
}

INSTANTIATE_TEST_SUITE_P(SizesAndColours, AmberGlossTest, ::testing::Values(k25, k15, k20, k33));

TEST(AmberGlossSystemColour, ResolvedBeforeTheArithmetic) {
  HeadlessForm form;
  HeadlessHost host(form, HeadlessPlacement{20, 20, 40 * 15, 21 * 15});
  SystemColorTable colours = DefaultSystemColors();
  colours[kColorWindow] = 0x80C0E0;
  host.Raster().SetSystemColors(colours);
  QuilletButton& b = host.Create();
  host.Load(PersistedPropertySet{});
  b.ButtonStyle(ButtonStyle::AmberGloss);
  b.BackColor(0x80000005);
  host.PaintNow();
  // k = 21 / 2.7 = 7.78, 8: row 8 is the lower band's top, the colour itself.
  EXPECT_EQ(host.Raster().GetPixel(5, 8), 0x80C0E0u);
  EXPECT_EQ(host.Raster().GetPixel(5, 0), 0x296989u);  // - 0.34 x 255 = -86.7 a channel
  EXPECT_EQ(host.Raster().GetPixel(5, 7), 0x89C9E9u);  // the average of B + 0.07 and B
}

}  // namespace
}  // namespace quillet::testing
