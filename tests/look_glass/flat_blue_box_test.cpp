// Style 9: a frameless fade at rest, flat boxes in one-pixel frames when hot, pressed or
// checked. The resting fade runs from Avg(B + 0.26, white) down to B over H rows (n = H - 1
// steps); each case's colours are worked out by hand below.
#include <vector>

#include "support/look_fixture.h"

namespace quillet::testing {
namespace {

constexpr Color kHotFace = 0xEED2C1;
constexpr Color kBlueFrame = 0xC56A31;
constexpr Color kDeepFace = 0xE2B598;
constexpr Color kSlateFrame = 0x6F4B4B;
constexpr Color kCheckedFace = 0xE8E6E1;
constexpr Color kCheckedFrame = 0x7C5858;  // 0x6F4B4B + 0.05: 75+12.75 -> 88, 111+12.75 -> 124

struct BoxCase {
  Size size;
  Color back;  // as set
  Color face;  // resolved
  Color top, middle;  // rows 0 and H / 2 of the resting fade; row H - 1 is the face
};

const BoxCase kCases[] = {
    // 240 + 66.3 clamps at 255, so the fade starts white; step 15 of 29: 255 - 7.
    {{100, 30}, 0x8000000F, 0xF0F0F0, 0xFFFFFF, 0xF8F8F8},
    // Black: 0 + 66.3 -> 66; Avg(66, 255) = 160.5 -> 160; step 7 of 14 is 80.
    {{15, 15}, 0x000000, 0x000000, 0xA0A0A0, 0x505050},
    // White: both ends clamp to white, the fade is solid.
    {{57, 21}, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
    // (192, 96, 48): + 66.3 -> (255, 162, 114); averaged with white (255, 208, 184); step 16
    // of 32 toward (192, 96, 48) is (255 - 31, 208 - 56, 184 - 68).
    {{169, 33}, 0x3060C0, 0x3060C0, 0xB8D0FF, 0x7498E0},
};

class FlatBlueBoxTest : public LookTest, public ::testing::WithParamInterface<BoxCase> {
 protected:
  FlatBlueBoxTest()
      : LookTest(ButtonStyle::FlatBlueBox, GetParam().size.cx, GetParam().size.cy, GetParam().back),
        c(GetParam()) {}

  ::testing::AssertionResult Box(Color face, Color frame) {
    if (auto r = Outline(0, 0, W, H, frame); !r) return r;
    return Area(1, 1, W - 1, H - 1, face);
  }

  const BoxCase& c;
};

TEST_P(FlatBlueBoxTest, AtRestAFramelessFadeThatFocusDefaultAndDisablingLeaveAlone) {
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRect(0, 0, W, H));
  EXPECT_TRUE(Row(0, 0, W, c.top));
  EXPECT_TRUE(Row(H / 2, 0, W, c.middle));
  EXPECT_TRUE(Row(H - 1, 0, W, c.face));
  const std::vector<std::uint32_t> rest = host.Raster().Pixels();

  Button().ShowFocusRect(true);
  host.Form().Activate();
  host.Focus();
  host.ChangeAmbient("DisplayAsDefault", true);
  EXPECT_EQ(host.Raster().Pixels(), rest);
  Button().Enabled(false);
  EXPECT_EQ(host.Raster().Pixels(), rest);
}

TEST_P(FlatBlueBoxTest, HotIsALightBlueBoxAndPressedADeeperOneInASlateFrame) {
  Hover();
  EXPECT_TRUE(Box(kHotFace, kBlueFrame));
  Button().Enabled(false);  // the look stays; only the caption would change
  EXPECT_TRUE(Box(kHotFace, kBlueFrame));
  Button().Enabled(true);
  host.PressButton();
  ASSERT_EQ(Button().DrawState(), DrawState::Pressed);
  EXPECT_TRUE(Box(kDeepFace, kSlateFrame));
}

TEST_P(FlatBlueBoxTest, CheckedIsPaleGreyAwayFromThePointerAndDeepBlueUnderIt) {
  Check();
  ASSERT_EQ(Button().DrawState(), DrawState::Normal);  // not forced to pressed
  EXPECT_TRUE(Box(kCheckedFace, kCheckedFrame));
  Hover();
  EXPECT_TRUE(Box(kDeepFace, kBlueFrame));
  // Held down it keeps the checked look, not the pressed one.
  host.PressButton();
  ASSERT_EQ(Button().DrawState(), DrawState::Pressed);
  EXPECT_TRUE(Box(kCheckedFace, kCheckedFrame));
  Button().Enabled(false);
  EXPECT_TRUE(Box(kCheckedFace, kCheckedFrame));
}

INSTANTIATE_TEST_SUITE_P(SizesAndColours, FlatBlueBoxTest, ::testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace quillet::testing
