// Style 8: invisible at rest, glass under the pointer, deeper glass when pressed, a plain
// patch when disabled. Expected colours are worked out by hand from the gradient steps:
// the glass face is H - 2 rows tall (n = H - 3 steps), row y showing step y - 1.
#include "support/look_fixture.h"

namespace quillet::testing {
namespace {

constexpr Color kFrame = 0xCA9E61;
constexpr Color kFrameCorner = 0xFFEBAE;  // 0xCA9E61 + 0.3: 97+76.5 -> 174, 158+76.5 -> 235, 255
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kHotSolid = 0xF8ECD0;

struct GlassCase {
  Size size;
  Color back;       // as set
  Color face;       // resolved
  std::int32_t solid_from;  // H / 1.7 rounded
  Color hot_row2, hot_above_solid;
  Color pressed_row2, pressed_middle, pressed_row_h3;  // rows 2, H / 2, H - 3
};

// H = 30: step 1 of 27 from (241, 249, 253) to (208, 236, 248) is (240, 249, 253); step 16
// is (241 - 19, 249 - 7, 253 - 2). Pressed, (176, 222, 241) to (219, 241, 249): step 1 is
// (177, 222, 241), step 14 (198, 231, 245), step 26 (217, 240, 248).
const GlassCase kCases[] = {
    {{100, 30}, 0x8000000F, 0xF0F0F0, 18, 0xFDF9F0, 0xFBF2DE, 0xF1DEB1, 0xF5E7C6, 0xF8F0D9},
    {{15, 15}, 0x3060C0, 0x3060C0, 9, 0xFDF8EF, 0xFBF2DE, 0xF1DFB3, 0xF5E7C5, 0xF8EFD7},
    {{57, 21}, 0x000000, 0x000000, 12, 0xFDF9F0, 0xFBF2DF, 0xF1DFB2, 0xF5E7C5, 0xF8EFD8},
    {{169, 33}, 0x80000005, 0xFFFFFF, 19, 0xFDF9F0, 0xFBF2DF, 0xF1DEB1, 0xF5E7C5, 0xF8F0D9},
};

class HoverGlassTest : public LookTest, public ::testing::WithParamInterface<GlassCase> {
 protected:
  HoverGlassTest()
      : LookTest(ButtonStyle::HoverGlass, GetParam().size.cx, GetParam().size.cy, GetParam().back),
        c(GetParam()) {}

  void ExpectGlassFrames() {
    EXPECT_TRUE(Outline(0, 0, W, H, kFrame));
    EXPECT_TRUE(Row(1, 2, W - 2, kWhite));
    EXPECT_TRUE(Row(H - 2, 2, W - 2, kWhite));
    EXPECT_TRUE(Column(1, 2, H - 2, kWhite));
    EXPECT_TRUE(Column(W - 2, 2, H - 2, kWhite));
    EXPECT_TRUE(Corners(kFrameCorner));
  }

  const GlassCase& c;
};

TEST_P(HoverGlassTest, AtRestOnlyTheBackColorShowsWhateverTheFocusOrForm) {
  EXPECT_TRUE(Whole(c.face));
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRoundRect(0, 0, W + 1, H + 1, 3, 3));

  // No focus rectangle or trim: focused, default, asked for a focus rectangle, in an active
  // form and then an inactive one.
  Button().ShowFocusRect(true);
  host.Form().Activate();
  host.Focus();
  host.ChangeAmbient("DisplayAsDefault", true);
  ASSERT_TRUE(Button().HasFocus());
  EXPECT_TRUE(Whole(c.face));
  host.Form().Deactivate();
  EXPECT_TRUE(Whole(c.face));
}

TEST_P(HoverGlassTest, HotShowsTheGlassSolidFromRowHOver1Point7) {
  host.Form().Activate();
  host.ClearRecords();
  Hover();
  ASSERT_EQ(Button().DrawState(), DrawState::Hot);
  ExpectGlassFrames();
  EXPECT_TRUE(Row(2, 2, W - 2, c.hot_row2));
  EXPECT_TRUE(Row(c.solid_from - 1, 2, W - 2, c.hot_above_solid));
  EXPECT_TRUE(Area(2, c.solid_from, W - 2, H - 2, kHotSolid));
  EXPECT_TRUE(host.Regions().empty());  // only the resting look rebuilds the region
}

TEST_P(HoverGlassTest, PressedAndCheckedShowTheDeeperGlassLighteningDownwards) {
  Hover();
  host.PressButton();
  ASSERT_EQ(Button().DrawState(), DrawState::Pressed);
  ExpectGlassFrames();
  EXPECT_TRUE(Row(2, 2, W - 2, c.pressed_row2));
  EXPECT_TRUE(Row(H / 2, 2, W - 2, c.pressed_middle));
  EXPECT_TRUE(Row(H - 3, 2, W - 2, c.pressed_row_h3));

  // A checked button away from the pointer arrives pressed and looks it.
  host.ReleaseButton();
  host.MovePointerAway();
  Check();
  ASSERT_FALSE(Button().MouseOver());
  ExpectGlassFrames();
  EXPECT_TRUE(Row(H / 2, 2, W - 2, c.pressed_middle));
}

TEST_P(HoverGlassTest, DisabledIsAPlainPatchEvenHotPressedOrChecked) {
  Hover();
  Button().Enabled(false);
  ASSERT_EQ(Button().DrawState(), DrawState::Hot);
  EXPECT_TRUE(Whole(c.face));
  Check();
  ASSERT_EQ(Button().DrawState(), DrawState::Pressed);
  EXPECT_TRUE(Whole(c.face));
}

INSTANTIATE_TEST_SUITE_P(SizesAndColours, HoverGlassTest, ::testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace quillet::testing
