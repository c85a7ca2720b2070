// The capsule and side gradient looks on real button windows of a real form under Wine: what
// reaches the screen, the capsule's region, and the form's class colour behind the capsule's
// corners. Needs a display.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "support/form_fixture.h"

namespace quillet::win32::test {
namespace {

COLORREF ScreenPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

class RealWindowLookTest : public ::testing::Test {
 protected:
  void SetUp() override { form_ = std::make_unique<TestForm>(std::vector<std::u16string>{u"&Alpha", u"&Beta"}); }
  void TearDown() override {
    MoveMouseTo(POINT{900, 700});
    form_.reset();
  }
  std::unique_ptr<TestForm> form_;
};

TEST_F(RealWindowLookTest, CapsuleSkinsRegionAndTheFormsColour) {
  for (int i = 0; i < 2; ++i) form_->Control(i).ButtonStyle(ButtonStyle::PixelCapsule);
  PumpFor(100);
  for (int i = 0; i < 2; ++i) {
    const HWND h = form_->ButtonHandle(i);
    const bool focused = GetFocus() == h;
    SCOPED_TRACE(focused ? "focused" : "not focused");
    // The form's class brush is the button face: Redraw now clears to it.
    EXPECT_EQ(form_->Button(i)->DrawingSurface().BackColor(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ScreenPixel(h, 50, 0), focused ? 0x450608u : 0x67696Au);
    EXPECT_EQ(ScreenPixel(h, 50, 1), focused ? 0xF1D4C9u : 0xF5F4F6u);
    EXPECT_EQ(ScreenPixel(h, 0, 15), 0xF7F7F7u);
    EXPECT_EQ(ScreenPixel(h, 99, 15), 0xF6F6F6u);
    EXPECT_EQ(ScreenPixel(h, 50, 28), focused ? 0x635D40u : 0x545454u);
  }
  // The region of the resting look: rounded with an 18 by 18 corner ellipse, one pixel past
  // the client area.
  const HWND rest = GetFocus() == form_->ButtonHandle(0) ? form_->ButtonHandle(1) : form_->ButtonHandle(0);
  HRGN got = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(rest, got), ERROR);
  HRGN want = CreateRoundRectRgn(0, 0, 101, 31, 18, 18);
  std::string diff;
  for (int y = 0; y < 31; ++y)
    for (int x = 0; x < 101; ++x)
      if (PtInRegion(got, x, y) != PtInRegion(want, x, y))
        diff += " (" + std::to_string(x) + "," + std::to_string(y) + (PtInRegion(got, x, y) ? "+)" : "-)");
  // Compared point by point: the window may keep the same shape in other bands.
  EXPECT_TRUE(diff.empty()) << diff;
  EXPECT_FALSE(PtInRegion(got, 2, 2));
  EXPECT_TRUE(PtInRegion(got, 4, 1));
  DeleteObject(got);
  DeleteObject(want);

  // Hovering the resting button shows the hot skin, pressing it the pressed skin.
  RECT r{};
  GetWindowRect(rest, &r);
  MoveMouseTo(POINT{r.left + 50, r.top + 15});
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(rest, 50, 0) == 0x450608u; }));
  MouseLeft(true);
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(rest, 50, 0) == 0x3C090Au; }));
  EXPECT_EQ(ScreenPixel(rest, 2, 15), 0x632D17u);
  MouseLeft(false);
  PumpFor(50);
}

TEST_F(RealWindowLookTest, SideGradientFaceFrameAndPressedFace) {
  QuilletButton& c = form_->Control(1);
  c.ButtonStyle(ButtonStyle::SideGradient);
  PumpFor(100);
  const HWND h = form_->ButtonHandle(1);
  // Default BackColor 0xE6CAA7 brightening by 20 over 99 steps: column 1 adds 0, column 98 adds 19.
  EXPECT_EQ(ScreenPixel(h, 1, 2), 0xE6CAA7u);
  EXPECT_EQ(ScreenPixel(h, 98, 2), 0xF9DDBAu);
  EXPECT_EQ(ScreenPixel(h, 50, 0), 0x7D807Eu);
  EXPECT_EQ(ScreenPixel(h, 99, 29), 0x7D807Eu);
  RECT r{};
  GetWindowRect(h, &r);
  MoveMouseTo(POINT{r.left + 50, r.top + 15});
  MouseLeft(true);
  // Pressed: 0xD9BD9A to 0xEED2AF, column 98 adds trunc(98 * 21 / 99) = 20.
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(h, 1, 2) == 0xD9BD9Au; }));
  EXPECT_EQ(ScreenPixel(h, 98, 2), 0xEDD1AEu);
  MouseLeft(false);
  PumpFor(50);
}

}  // namespace
}  // namespace quillet::win32::test
