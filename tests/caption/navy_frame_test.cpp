// The navy-frame look (style 2) pixel by pixel, at several sizes and base colours, in every
// look: expected colours come from the painting rules (which line, which offset of the base
// colour, which fixed trim colour), read back at the coordinates each rule paints.
#include <tuple>

#include "caption_fixture.h"

namespace quillet::testing {
namespace {

constexpr Color kNavy = 0x743C00;
const Color kNavyCorner = OffsetColor(kNavy, 0.3f);

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
  Color Off(float a) const { return OffsetColor(B, a); }
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
  EXPECT_EQ(At(m, 4), Off(0.08f));
  for (std::int32_t y = 5; y + 1 < H - 4; ++y) {
    EXPECT_GE(RedOf(At(m, y)), RedOf(At(m, y + 1))) << y;
    EXPECT_GE(RedOf(At(m, y)), RedOf(B));
    EXPECT_LE(RedOf(At(m, y)), RedOf(Off(0.07f)));
  }
  // Bottom shading, right shading and left highlight, each with its end points.
  for (std::int32_t x : {2, m, W - 3}) {
    EXPECT_EQ(At(x, H - 2), Off(-0.09f)) << x;
    EXPECT_EQ(At(x, H - 3), Off(-0.05f)) << x;
    EXPECT_EQ(At(x, H - 4), Off(-0.01f)) << x;
  }
  for (std::int32_t y : {2, H / 2, H - 3}) {
    EXPECT_EQ(At(W - 2, y), Off(-0.08f)) << y;
    EXPECT_EQ(At(1, y), AverageColors(0xFFFFFF, B)) << y;
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
  EXPECT_EQ(At(W / 2, 4), Off(0.08f));
}

TEST_P(NavyFrameTest, PressedLookIsFlatWithASunkenRim) {
  host.Form().Activate();
  Hover();
  host.PressButton();
  ASSERT_EQ(Button().DrawState(), DrawState::Pressed);
  const std::int32_t m = W / 2, c = H / 2;
  ExpectNavyFrame();
  EXPECT_EQ(At(m, c), Off(-0.05f));
  EXPECT_EQ(At(m, 1), Off(-0.16f));
  EXPECT_EQ(At(m, 2), Off(-0.1f));
  EXPECT_EQ(At(m, H - 2), Off(0.07f));
  EXPECT_EQ(At(1, c), Off(-0.16f));
  EXPECT_EQ(At(2, c), Off(-0.1f));
  EXPECT_EQ(At(2, H - 3), Off(-0.1f));
  EXPECT_EQ(At(W - 2, c), Off(0.04f));
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
  EXPECT_EQ(At(1, H / 2), AverageColors(0xFFFFFF, B));
  EXPECT_EQ(At(W / 2, H - 2), Off(-0.09f));
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
    Button().ShowFocusRect(false);
    host.PaintNow();
    const std::vector<std::uint32_t> plain = host.Raster().Pixels();
    Button().ShowFocusRect(true);
    host.PaintNow();
    const std::vector<std::uint32_t>& dotted = host.Raster().Pixels();
    int inverted = 0;
    for (std::int32_t y = 0; y < H; ++y)
      for (std::int32_t x = 0; x < W; ++x) {
        const std::size_t i = static_cast<std::size_t>(y) * W + x;
        if ((plain[i] & 0xFFFFFF) == (dotted[i] & 0xFFFFFF)) continue;
        ++inverted;
        const bool on_outline = (x == 2 || x == W - 3 || y == 2 || y == H - 3) && x >= 2 &&
                                x <= W - 3 && y >= 2 && y <= H - 3;
        EXPECT_TRUE(on_outline) << look << ": " << x << "," << y;
        EXPECT_EQ(dotted[i] & 0xFFFFFF, ~plain[i] & 0xFFFFFF) << x << "," << y;
      }
    const int outline = 2 * (W - 4) + 2 * (H - 4) - 4;
    EXPECT_NEAR(inverted, outline / 2, 4) << look;
  }
}

TEST_P(NavyFrameTest, DisabledLookIsFlatInAFrameOfTheBaseColour) {
  host.Form().Activate();
  host.Focus();
  Button().ShowFocusRect(true);
  Button().Enabled(false);
  host.MovePointerTo(W / 2, H / 2);
  host.PaintNow();
  const Color face = Off(0.03f);
  for (std::int32_t y = 2; y < H - 2; y += 3)
    for (std::int32_t x = 2; x < W - 2; x += 5) ASSERT_EQ(At(x, y), face) << x << "," << y;
  for (std::int32_t x : {2, W / 2, W - 3}) EXPECT_EQ(At(x, 0), Off(-0.1f));
  for (std::int32_t y : {2, H / 2, H - 3}) EXPECT_EQ(At(W - 1, y), Off(-0.1f));
  for (auto [x, y] : {std::pair{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}})
    EXPECT_EQ(At(x, y), Off(0.2f));
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRoundRect(0, 0, W + 1, H + 1, 3, 3));
}

TEST_P(NavyFrameTest, ACheckedButtonLooksPressedWithThePointerAway) {
  host.Form().Activate();
  Button().CheckBoxMode(true);
  Button().Value(true);
  EXPECT_EQ(At(W / 2, H / 2), Off(-0.05f));
  EXPECT_EQ(At(W / 2, 1), Off(-0.16f));
}

INSTANTIATE_TEST_SUITE_P(
    SizesAndColours, NavyFrameTest,
    ::testing::Values(Params{Size{100, 30}, 0xE7EBEC}, Params{Size{75, 23}, 0xE7EBEC},
                      Params{Size{200, 50}, 0x3060C0}, Params{Size{40, 16}, 0x000000},
                      Params{Size{64, 24}, 0xFFFFFF}, Params{Size{33, 19}, 0x80FF10}));

}  // namespace
}  // namespace quillet::testing
