// The navy-frame look (style 2) pixel by pixel, at several sizes and base colours, in every
// look: expected colours come from the painting rules (which line, which offset of the base
// colour, which fixed trim colour), read back at the coordinates each rule paints.
#include <string>
#include <tuple>

#include "support/caption_fixture.h"
#include "support/dotted_rect.h"

namespace quillet::testing {
namespace {

constexpr Color kNavy = 0x743C00;
// Navy + 0.3: each channel + 76.5000030 (0.3f x 255), rounded: (0, 60, 116) -> (77, 137, 193).
constexpr Color kNavyCorner = 0xC1894D;

// The base colour B moved by a x 255 in every channel (a taken as a float), rounded half to
// even and clamped, worked out by hand for each base the tests use; and B averaged with white.
// For example 0xE7EBEC (236, 235, 231) + 0.07 is 236 + 17.85 -> 254 (FE), 253 (FD), 249 (F9).
struct Shades {
  Color base;
  Color up08, up07, up04, up03, up20;
  Color down01, down05, down08, down09, down10, down16;
  Color with_white;
};
constexpr Shades kShades[] = {
    {0xE7EBEC, 0xFBFFFF, 0xF9FDFE, 0xF1F5F6, 0xEFF3F4, 0xFFFFFF,
     0xE4E8E9, 0xDADEDF, 0xD3D7D8, 0xD0D4D5, 0xCDD1D2, 0xBEC2C3, 0xF3F5F6},
    {0x3060C0, 0x4474D4, 0x4272D2, 0x3A6ACA, 0x3868C8, 0x6393F3,
     0x2D5DBD, 0x2353B3, 0x1C4CAC, 0x1949A9, 0x1646A6, 0x073797, 0x98B0E0},
    {0x000000, 0x141414, 0x121212, 0x0A0A0A, 0x080808, 0x333333,
     0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x808080},
    {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
     0xFCFCFC, 0xF2F2F2, 0xEBEBEB, 0xE8E8E8, 0xE5E5E5, 0xD6D6D6, 0xFFFFFF},
    {0x80FF10, 0x94FF24, 0x92FF22, 0x8AFF1A, 0x88FF18, 0xB3FF43,
     0x7DFC0D, 0x73F203, 0x6CEB00, 0x69E800, 0x66E500, 0x57D600, 0xC0FF88},
};

struct Trim {
  Color top1, top2, side1, side2, bottom3, bottom2;
};
constexpr Trim kAmber{0xCFF0FF, 0x89D8FD, 0x49BDF9, 0x7AD2FC, 0x30B3F8, 0x0097E5};
constexpr Trim kBlue{0xFFE7CE, 0xF6D4BC, 0xE6AF8E, 0xF4D1B8, 0xE4AD89, 0xEE8269};

using Params = std::tuple<Size, Color>;

class NavyFrameTest : public CaptionTest, public ::testing::WithParamInterface<Params> {
 protected:
  NavyFrameTest() : CaptionTest(std::get<0>(GetParam()).cx, std::get<0>(GetParam()).cy) {
    Button().ButtonStyle(ButtonStyle::NavyFrame);
    Button().BackColor(B);
    Button().Caption(u"");
  }
  const Shades& S() const {
    for (const Shades& shades : kShades)
      if (shades.base == B) return shades;
    ADD_FAILURE() << "no shades worked out for " << std::hex << B;
    return kShades[0];
  }
  void Hover() { host.MovePointerTo(W / 2, H / 2); }

  // Frame on all four sides (away from the rounded corners) and the softened corner pixels.
  void ExpectNavyFrame() {
    for (std::int32_t x : {2, W / 2, W - 3}) {
      EXPECT_EQ(At(x, 0), kNavy) << x;
      EXPECT_EQ(At(x, H - 1), kNavy) << x;
    }
    for (std::int32_t y : {2, H / 2, H - 3}) {
      EXPECT_EQ(At(0, y), kNavy) << y;
      EXPECT_EQ(At(W - 1, y), kNavy) << y;
    }
    for (auto [x, y] : {std::pair{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}})
      EXPECT_EQ(At(x, y), kNavyCorner) << x << "," << y;
  }

  // The eight trim lines, including where each starts and where it stops short.
  void ExpectTrim(const Trim& t) {
    const std::int32_t m = W / 2, c = H / 2;
    EXPECT_EQ(At(m, 1), t.top1);
    EXPECT_EQ(At(W - 3, 1), t.top1);
    EXPECT_EQ(At(m, 2), t.top2);
    EXPECT_EQ(At(W - 3, 2), t.top2);  // the inner right column starts one row lower
    EXPECT_EQ(At(1, c), t.side1);
    EXPECT_EQ(At(1, H - 3), t.side1);
    EXPECT_EQ(At(W - 2, 2), t.side1);
    EXPECT_EQ(At(W - 2, c), t.side1);
    EXPECT_EQ(At(2, c), t.side2);
    EXPECT_EQ(At(W - 3, c), t.side2);
    EXPECT_EQ(At(m, H - 3), t.bottom3);
    EXPECT_EQ(At(2, H - 3), t.bottom3);  // the inner left column stops above it
    EXPECT_EQ(At(m, H - 2), t.bottom2);
    EXPECT_EQ(At(2, H - 2), t.bottom2);
  }

  const std::int32_t W = std::get<0>(GetParam()).cx;
  const std::int32_t H = std::get<0>(GetParam()).cy;
  const Color B = std::get<1>(GetParam());
};

TEST_P(NavyFrameTest, NormalLookShadesTheFaceAndTakesTheRoundedRegion) {
  host.Form().Activate();
  const std::int32_t m = W / 2;
  ExpectNavyFrame();
  // Top band: five rows fading to B+0.08; the face below fades from B+0.07 toward B.
  EXPECT_EQ(At(m, 4), S().up08);
  for (std::int32_t y = 5; y + 1 < H - 4; ++y) {
    EXPECT_GE(RedOf(At(m, y)), RedOf(At(m, y + 1))) << y;
    EXPECT_GE(RedOf(At(m, y)), RedOf(B));
    EXPECT_LE(RedOf(At(m, y)), RedOf(S().up07));
  }
  // Bottom shading, right shading and left highlight, each with its end points.
  for (std::int32_t x : {2, m, W - 3}) {
    EXPECT_EQ(At(x, H - 2), S().down09) << x;
    EXPECT_EQ(At(x, H - 3), S().down05) << x;
    EXPECT_EQ(At(x, H - 4), S().down01) << x;
  }
  for (std::int32_t y : {2, H / 2, H - 3}) {
    EXPECT_EQ(At(W - 2, y), S().down08) << y;
    EXPECT_EQ(At(1, y), S().with_white) << y;
  }
  ASSERT_FALSE(host.Regions().empty());
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRoundRect(0, 0, W + 1, H + 1, 3, 3));
}

TEST_P(NavyFrameTest, HotLookAddsTheAmberTrimWithoutRebuildingTheRegion) {
  host.Form().Activate();
  host.ClearRecords();
  Hover();
  ASSERT_EQ(Button().DrawState(), DrawState::Hot);
  ExpectNavyFrame();
  ExpectTrim(kAmber);
  EXPECT_TRUE(host.Regions().empty());
  // Inside the trim the face is the normal gradient.
  EXPECT_EQ(At(W / 2, 4), S().up08);
}

TEST_P(NavyFrameTest, PressedLookIsFlatWithASunkenRim) {
  host.Form().Activate();
  Hover();
  host.PressButton();
  ASSERT_EQ(Button().DrawState(), DrawState::Pressed);
  const std::int32_t m = W / 2, c = H / 2;
  ExpectNavyFrame();
  EXPECT_EQ(At(m, c), S().down05);
  EXPECT_EQ(At(m, 1), S().down16);
  EXPECT_EQ(At(m, 2), S().down10);
  EXPECT_EQ(At(m, H - 2), S().up07);
  EXPECT_EQ(At(1, c), S().down16);
  EXPECT_EQ(At(2, c), S().down10);
  EXPECT_EQ(At(2, H - 3), S().down10);
  EXPECT_EQ(At(W - 2, c), S().up04);
  // Pressing takes the focus, but a pressed button shows no blue trim.
  EXPECT_TRUE(Button().HasFocus());
  EXPECT_NE(At(m, 1), kBlue.top1);
}

TEST_P(NavyFrameTest, FocusOrDefaultInAnActiveFormShowsTheBlueTrim) {
  host.Form().Activate();
  host.Focus();
  host.PaintNow();
  ExpectNavyFrame();
  ExpectTrim(kBlue);

  // Hovering a focused button shows the amber trim instead.
  Hover();
  ExpectTrim(kAmber);

  // A default button that does not hold the focus shows the trim too.
  host.MovePointerAway();
  host.Form().Deactivate();
  host.Form().Activate();
  ASSERT_FALSE(Button().HasFocus());
  host.ChangeAmbient("DisplayAsDefault", true);
  ExpectTrim(kBlue);
}

TEST_P(NavyFrameTest, AnInactiveFormShowsNeitherTrimNorFocusRectangle) {
  Button().ShowFocusRect(true);
  host.Focus();
  host.ChangeAmbient("DisplayAsDefault", true);
  ASSERT_FALSE(Button().ParentActive());
  EXPECT_NE(At(W / 2, 1), kBlue.top1);
  EXPECT_NE(At(2, H / 2), kBlue.side2);
  EXPECT_EQ(At(1, H / 2), S().with_white);
  EXPECT_EQ(At(W / 2, H - 2), S().down09);
  const std::vector<std::uint32_t> before = host.Raster().Pixels();
  Button().ShowFocusRect(false);
  host.PaintNow();
  EXPECT_EQ(host.Raster().Pixels(), before);
}

TEST_P(NavyFrameTest, FocusRectangleInvertsEveryOtherPixelOfItsOutlineInEveryLook) {
  host.Form().Activate();
  host.Focus();
  for (int look = 0; look < 3; ++look) {
    if (look == 1) Hover();
    if (look == 2) host.PressButton();
    const std::vector<std::uint32_t> plain = PaintPlainThenDotted(host);
    const Rect outline{2, 2, W - 2, H - 2};
    EXPECT_NEAR(DottedPixels(plain, host.Raster().Pixels(), W, outline, "look " + std::to_string(look)),
                HalfOutline(outline), 4)
        << look;
  }
}

TEST_P(NavyFrameTest, DisabledLookIsFlatInAFrameOfTheBaseColour) {
  host.Form().Activate();
  host.Focus();
  Button().ShowFocusRect(true);
  Button().Enabled(false);
  host.MovePointerTo(W / 2, H / 2);
  host.PaintNow();
  const Color face = S().up03;
  for (std::int32_t y = 2; y < H - 2; y += 3)
    for (std::int32_t x = 2; x < W - 2; x += 5) ASSERT_EQ(At(x, y), face) << x << "," << y;
  for (std::int32_t x : {2, W / 2, W - 3}) EXPECT_EQ(At(x, 0), S().down10);
  for (std::int32_t y : {2, H / 2, H - 3}) EXPECT_EQ(At(W - 1, y), S().down10);
  for (auto [x, y] : {std::pair{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}})
    EXPECT_EQ(At(x, y), S().up20);
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRoundRect(0, 0, W + 1, H + 1, 3, 3));
}

TEST_P(NavyFrameTest, ACheckedButtonLooksPressedWithThePointerAway) {
  host.Form().Activate();
  Button().CheckBoxMode(true);
  Button().Value(true);
  EXPECT_EQ(At(W / 2, H / 2), S().down05);
  EXPECT_EQ(At(W / 2, 1), S().down16);
}

INSTANTIATE_TEST_SUITE_P(
    SizesAndColours, NavyFrameTest,
    ::testing::Values(Params{Size{100, 30}, 0xE7EBEC}, Params{Size{75, 23}, 0xE7EBEC},
                      Params{Size{200, 50}, 0x3060C0}, Params{Size{40, 16}, 0x000000},
                      Params{Size{64, 24}, 0xFFFFFF}, Params{Size{33, 19}, 0x80FF10}));

}  // namespace
}  // namespace quillet::testing
