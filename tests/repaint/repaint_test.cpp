// A redraw that changes no pixel leaves the window valid; one that does invalidates just
// the changed pixels, and the screen then shows them. The region is handed to the window
// again only when its shape changes.
#include <gtest/gtest.h>

#include "support/form_fixture.h"
#include "win32/window_buffer_surface.h"

namespace quillet::win32::test {
namespace {

// Runs the posted comparisons of `window` and nothing else (no paint).
void RunPresent(HWND window) {
  MSG msg;
  while (PeekMessageW(&msg, window, kPresentMessage, kPresentMessage, PM_REMOVE)) DispatchMessageW(&msg);
}

TEST(Repaint, OnlyChangedPixelsAreRepainted) {
  TestForm form({u"\u786e\u8ba4\u4fee\u6539"});
  PumpFor(200);  // shown and painted
  const HWND window = form.ButtonHandle(0);
  RECT update{};
  ASSERT_FALSE(GetUpdateRect(window, &update, FALSE));

  // Same state, same pixels: nothing to repaint, twice over.
  form.Control(0).Redraw();
  form.Control(0).Redraw();
  RunPresent(window);
  EXPECT_FALSE(GetUpdateRect(window, &update, FALSE));

  // A caption one character shorter changes pixels inside the face only.
  form.Control(0).Caption(u"\u786e\u8ba4\u4fee");
  RunPresent(window);
  ASSERT_TRUE(GetUpdateRect(window, &update, FALSE));
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_GT(update.left, 0);
  EXPECT_LT(update.right, client.right);
  EXPECT_GT(update.top, 0);
  EXPECT_LT(update.bottom, client.bottom);

  // The background behind the face changes every pixel the face leaves; the screen shows it.
  form.Control(0).ButtonStyle(static_cast<ButtonStyle>(99));  // no renderer: the cleared face
  form.Button(0)->DrawingSurface().SetBackColor(RGB(0, 0, 200));
  form.Control(0).Redraw();
  PumpFor(100);
  HDC dc = GetDC(window);
  EXPECT_EQ(GetPixel(dc, client.right / 2, 1), RGB(0, 0, 200));
  ReleaseDC(window, dc);
}

TEST(Repaint, TheSameRegionIsNotHandedOverAgain) {
  TestForm form({u"A"});
  PumpFor(100);
  QuilletButton& b = form.Control(0);
  const std::uintptr_t first = b.RegionHandle();
  ASSERT_NE(first, 0u);
  b.ForeColor(0x000080);  // a resize at the same size: the same rounded region
  EXPECT_EQ(b.RegionHandle(), first);
  HRGN now = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(form.ButtonHandle(0), now), ERROR);
  DeleteObject(now);
  b.ButtonStyle(static_cast<ButtonStyle>(3));  // another shape: a new region
  EXPECT_NE(b.RegionHandle(), first);
}

}  // namespace
}  // namespace quillet::win32::test
