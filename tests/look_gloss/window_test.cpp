// The drop-shadow look on a real button window under Wine: the corners outside the face
// take the form's own background colour (its class brush), what the control draws reaches
// the screen, and a focused button leaves the window's drawing mode inverting.
#include <gtest/gtest.h>
#include <windows.h>

#include "support/form_fixture.h"

namespace quillet::win32::test {
namespace {

TEST(LookGlossWindow, DropShadowShowsTheFormsBackgroundRoundTheFace) {
  TestForm form({u"", u""});
  form.Activate();
  // The form is painted with the button-face system colour.
  const COLORREF form_colour = GetSysColor(COLOR_BTNFACE);
  ButtonWindow* b = form.Button(0);
  b->DrawingSurface().SetBackColor(RGB(200, 0, 0));
  QuilletButton& c = form.Control(0);
  c.ButtonStyle(ButtonStyle::DropShadow);
  c.Redraw();
  PumpFor(100);
  HDC dc = GetDC(b->Handle());
  EXPECT_EQ(GetPixel(dc, 99, 29), form_colour);  // beyond the shadow
  EXPECT_EQ(GetPixel(dc, 97, 1), form_colour);   // above it
  EXPECT_EQ(GetPixel(dc, 10, 10), 0xAA6D00u);    // the face
  EXPECT_EQ(GetPixel(dc, 0, 10), 0xF7BA4Du);     // its border, 0.3 lighter
  EXPECT_EQ(GetPixel(dc, 96, 20), 0x808080u);    // the inner shadow
  ReleaseDC(b->Handle(), dc);
  EXPECT_EQ(b->DrawingSurface().DrawMode(), R2_COPYPEN);

  SetFocus(form.ButtonHandle(0));
  ASSERT_TRUE(PumpUntil([&] { return c.HasFocus(); }));
  c.Redraw();
  EXPECT_EQ(b->DrawingSurface().DrawMode(), R2_NOT);
  // The dotted rectangle's first dot, the top-right corner of (3, 3, 94, 24): the face
  // inverted.
  EXPECT_EQ(b->DrawingSurface().GetPixel(93, 3), 0x5592FFu);
  EXPECT_EQ(b->DrawingSurface().GetPixel(92, 3), 0xAA6D00u);
}

}  // namespace
}  // namespace quillet::win32::test
