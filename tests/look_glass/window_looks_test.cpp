// Under Wine, on real windows: the four looks reach the screen through the button window,
// take their window regions from SetWindowRgn, and follow the real pointer (tracked
// with TrackMouseEvent) and a real press. Pixels read from the screen are hand-worked
// literals for 100 x 30 buttons.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "support/form_fixture.h"

namespace quillet::win32::test {
namespace {

// Buttons 0..3 carry styles 8, 9, 10 and 13 with their own default colours.
class WindowLooksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TestForm>(std::vector<std::u16string>{u"", u"", u"", u""});
    const ButtonStyle styles[] = {ButtonStyle::HoverGlass, ButtonStyle::FlatBlueBox, ButtonStyle::BandedGradient,
                                  ButtonStyle::AmberBox};
    for (int i = 0; i < 4; ++i) form_->Control(i).ButtonStyle(styles[i]);
    MoveMouseTo(POINT{900, 700});
    PumpFor(100);
  }
  void TearDown() override {
    MouseLeft(false);
    MoveMouseTo(POINT{900, 700});
    form_.reset();
  }
  COLORREF Pixel(int i, int x, int y) {
    HDC dc = GetDC(form_->ButtonHandle(i));
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(form_->ButtonHandle(i), dc);
    return c;
  }
  bool ShowsUntil(int i, int x, int y, COLORREF c) { return PumpUntil([&] { return Pixel(i, x, y) == c; }); }
  int RegionKind(int i) {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(form_->ButtonHandle(i), rgn);
    DeleteObject(rgn);
    return kind;
  }
  std::unique_ptr<TestForm> form_;
};

TEST_F(WindowLooksTest, RestingLooksAndRegionsOnTheScreen) {
  // Hover glass: the button face, nothing else, in a rounded region.
  EXPECT_TRUE(ShowsUntil(0, 50, 15, GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(Pixel(0, 50, 0), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(RegionKind(0), COMPLEXREGION);
  // Flat blue box: the fade ends in the button face on the last row; a plain rectangle.
  EXPECT_EQ(Pixel(1, 50, 29), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(RegionKind(1), SIMPLEREGION);
  // Banded gradient on (173, 209, 255): row 5 the fill, frame B - 0.33; rounded.
  EXPECT_EQ(Pixel(2, 50, 5), RGB(173, 209, 255));
  EXPECT_EQ(Pixel(2, 50, 0), RGB(89, 125, 171));
  EXPECT_EQ(RegionKind(2), COMPLEXREGION);
  // Amber box on (202, 225, 252): the top row is B + 0.05, no frame; a plain rectangle.
  EXPECT_EQ(Pixel(3, 0, 0), RGB(215, 238, 255));
  EXPECT_EQ(RegionKind(3), SIMPLEREGION);
}

TEST_F(WindowLooksTest, TheRealPointerBringsOutTheGlassAndThePressShowsTheBlueBox) {
  MoveMouseTo(form_->Centre(0));
  // H = 30: solid from row 30 / 1.7 -> 18; the frame and the white inner frame.
  ASSERT_TRUE(ShowsUntil(0, 50, 20, RGB(208, 236, 248)));
  EXPECT_EQ(Pixel(0, 50, 0), RGB(97, 158, 202));
  EXPECT_EQ(Pixel(0, 50, 1), RGB(255, 255, 255));
  EXPECT_EQ(Pixel(0, 50, 17), RGB(222, 242, 251));

  MoveMouseTo(form_->Centre(1));
  ASSERT_TRUE(ShowsUntil(1, 50, 15, RGB(193, 210, 238)));
  EXPECT_TRUE(ShowsUntil(0, 50, 20, GetSysColor(COLOR_BTNFACE)));  // left: at rest again
  MouseLeft(true);
  ASSERT_TRUE(ShowsUntil(1, 50, 15, RGB(152, 181, 226)));
  EXPECT_EQ(Pixel(1, 0, 15), RGB(75, 75, 111));
  MouseLeft(false);
  EXPECT_TRUE(ShowsUntil(1, 50, 15, RGB(193, 210, 238)));
}

TEST_F(WindowLooksTest, ACheckedAmberBoxFollowsThePointer) {
  form_->Control(3).CheckBoxMode(true);
  form_->Control(3).Value(true);
  // Away: (255, 213, 140) -> (255, 173, 85), row 2 of 29 steps; over it: the pressed amber.
  ASSERT_TRUE(ShowsUntil(3, 50, 2, RGB(255, 211, 137)));
  EXPECT_EQ(Pixel(3, 50, 0), RGB(0, 0, 128));
  MoveMouseTo(form_->Centre(3));
  EXPECT_TRUE(ShowsUntil(3, 50, 2, RGB(254, 149, 82)));
  MoveMouseTo(POINT{900, 700});
  EXPECT_TRUE(ShowsUntil(3, 50, 2, RGB(255, 211, 137)));
}

}  // namespace
}  // namespace quillet::win32::test
