// Style 13: a frameless two-band fade of BackColor at rest (upper band H / 2 rows, lower
// band from row H / 2 and H / 2 + 1 rows tall, both rounded half to even), a full-height
// amber fade in a navy frame when hot, pressed or checked. Colours worked out by hand.
#include <vector>

#include "support/look_fixture.h"

namespace quillet::testing {
namespace {

constexpr Color kNavy = 0x800000;

struct Fade {
  Color row2, row_h3;  // rows 2 and H - 3 of a full-height fade over H - 1 steps
};

struct AmberCase {
  Size size;
  Color back;
  std::int32_t m;                               // first row of the lower band
  Color top, upper_mid, upper_last;             // rows 0, m / 2, m - 1
  Color lower_first, last_row;                  // rows m and H - 1
  Fade hot, pressed, checked;
};

const AmberCase kCases[] = {
    // The style's own BackColor, (202, 225, 252). H = 25: m = 12.5 -> 12, n = 13.5 -> 14.
    // B + 0.05 = (215, 238, 255); B - 0.01 = (199, 222, 249); B - 0.13 = (169, 192, 219), and
    // row 24 is step 12 of 13 toward it: (199 - 27, 222 - 27, 249 - 27).
    {{100, 25}, 0xFCE1CA, 12, 0xFFEED7, 0xFEE7D0, 0xFCE1CA, 0xF9DEC7, 0xDEC3AC,
     {0xC8F1FF, 0x96D3FF}, {0x5396FE, 0x88CDFE}, {0x88D2FF, 0x5AB1FF}},
    // H = 15: m = 7.5 -> 8, n = 8.5 -> 8. Hot row 2 is step 2 of 14: (255, 244 - 5, 204 - 8).
    {{15, 15}, 0x000000, 8, 0x0D0D0D, 0x060606, 0x000000, 0x000000, 0x000000,
     {0xC4EFFF, 0x9AD6FF}, {0x579AFE, 0x84C9FE}, {0x85D0FF, 0x5DB3FF}},
    // The window system colour, white. H = 21: m = 10, n = 12.
    {{57, 21}, 0x80000005, 10, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFCFCFC, 0xE1E1E1,
     {0xC7F1FF, 0x97D4FF}, {0x5497FE, 0x87CCFE}, {0x87D1FF, 0x5BB1FF}},
    // H = 33: m = 16.5 -> 16, n = 17.5 -> 18.
    {{169, 33}, 0x3060C0, 16, 0x3D6DCD, 0x3767C7, 0x3060C0, 0x2D5DBD, 0x1141A1,
     {0xC9F2FF, 0x95D3FF}, {0x5295FE, 0x8ACEFE}, {0x89D3FF, 0x59B0FF}},
};

class AmberBoxTest : public LookTest, public ::testing::WithParamInterface<AmberCase> {
 protected:
  AmberBoxTest()
      : LookTest(ButtonStyle::AmberBox, GetParam().size.cx, GetParam().size.cy, GetParam().back),
        c(GetParam()) {}

  ::testing::AssertionResult Amber(const Fade& f) {
    if (auto r = Outline(0, 0, W, H, kNavy); !r) return r;
    if (auto r = Row(2, 1, W - 1, f.row2); !r) return r;
    return Row(H - 3, 1, W - 1, f.row_h3);
  }

  const AmberCase& c;
};

TEST_P(AmberBoxTest, AtRestTwoFramelessBandsThatFocusDefaultAndDisablingLeaveAlone) {
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRect(0, 0, W, H));
  EXPECT_TRUE(Row(0, 0, W, c.top));
  EXPECT_TRUE(Row(c.m / 2, 0, W, c.upper_mid));
  EXPECT_TRUE(Row(c.m - 1, 0, W, c.upper_last));
  EXPECT_TRUE(Row(c.m, 0, W, c.lower_first));
  EXPECT_TRUE(Row(H - 1, 0, W, c.last_row));  // the full first and last rows: no frame
  const std::vector<std::uint32_t> rest = host.Raster().Pixels();
  Button().ShowFocusRect(true);
  host.Form().Activate();
  host.Focus();
  host.ChangeAmbient("DisplayAsDefault", true);
  EXPECT_EQ(host.Raster().Pixels(), rest);
  Button().Enabled(false);
  EXPECT_EQ(host.Raster().Pixels(), rest);
}

TEST_P(AmberBoxTest, HotAndPressedAreAmberInANavyFrameWhetherEnabledOrNot) {
  Hover();
  EXPECT_TRUE(Amber(c.hot));
  Button().Enabled(false);
  EXPECT_TRUE(Amber(c.hot));
  Button().Enabled(true);
  host.PressButton();
  EXPECT_TRUE(Amber(c.pressed));
}

TEST_P(AmberBoxTest, CheckedPicksItsAmberByWhereThePointerIs) {
  Check();
  ASSERT_FALSE(Button().MouseOver());
  EXPECT_TRUE(Amber(c.checked));
  Hover();
  EXPECT_TRUE(Amber(c.pressed));
  host.PressButton();
  EXPECT_TRUE(Amber(c.pressed));
  host.MovePointerAway();
  EXPECT_TRUE(Amber(c.checked));
}

INSTANTIATE_TEST_SUITE_P(SizesAndColours, AmberBoxTest, ::testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace quillet::testing
