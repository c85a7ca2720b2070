// A headless button of a given size on the raster with the default system colours, and
// checks for one-pixel rings and for the dotted focus rectangle.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "caption/caption_fixture.h"
#include "raster/region_mask.h"

namespace quillet::testing {

// The default system colours of the raster (platform/portable/system_colors.cpp).
constexpr Color kSysFace = 0xF0F0F0;       // 15
constexpr Color kSysShadow = 0xA0A0A0;     // 16
constexpr Color kSysGreyText = 0x6D6D6D;   // 17
constexpr Color kSysHighlight = 0xFFFFFF;  // 20
constexpr Color kSysDarkShadow = 0x696969; // 21
constexpr Color kSysLight = 0xE3E3E3;      // 22
constexpr Color kSysWorkspace = 0xABABAB;  // 12

class LookTest : public CaptionTest {
 protected:
  LookTest(std::int32_t w, std::int32_t h) : CaptionTest(w, h), W(w), H(h) {}

  void Style(ButtonStyle style, Color back) {
    Button().ButtonStyle(style);
    Button().BackColor(back);
    Button().Caption(u"");
  }
  void Hover() { host.MovePointerTo(W / 2, H / 2); }
  void Press() {
    Hover();
    host.PressButton();
  }

  // The rounded styles: pixels outside their window region are never painted, so checks
  // skip them.
  void RoundedRegion(std::int32_t ellipse) {
    outside_ = RegionMask(RegionShape::FromRoundRect(0, 0, W + 1, H + 1, ellipse, ellipse), W, H);
    for (auto& v : outside_) v = !v;
  }
  bool Outside(std::int32_t x, std::int32_t y) const {
    return !outside_.empty() && outside_[static_cast<std::size_t>(y) * W + x];
  }
  // The colour at (x, y), or `expected` itself outside the window region.
  Color Seen(std::int32_t x, std::int32_t y, Color expected) { return Outside(x, y) ? expected : At(x, y); }

  // The one-pixel ring whose outermost pixels are r.left..r.right-1 by r.top..r.bottom-1:
  // top row and left column in `top_left`, bottom row and right column in `bottom_right`,
  // and the top-right and bottom-left corners in `far` (the later line of an edge wins).
  void ExpectRing(const Rect& r, Color top_left, Color bottom_right, Color far,
                  const std::string& what) {
    const std::int32_t l = r.left, t = r.top, rt = r.right - 1, b = r.bottom - 1;
    const std::int32_t mx = (l + rt) / 2, my = (t + b) / 2;
    for (std::int32_t x : {l, l + 1, mx, rt - 1}) EXPECT_EQ(Seen(x, t, top_left), top_left) << what << " top " << x;
    for (std::int32_t y : {t + 1, my, b - 1}) EXPECT_EQ(Seen(l, y, top_left), top_left) << what << " left " << y;
    for (std::int32_t x : {l + 1, mx, rt})
      EXPECT_EQ(Seen(x, b, bottom_right), bottom_right) << what << " bottom " << x;
    for (std::int32_t y : {t + 1, my, b - 1})
      EXPECT_EQ(Seen(rt, y, bottom_right), bottom_right) << what << " right " << y;
    EXPECT_EQ(Seen(rt, t, far), far) << what << " top-right";
    EXPECT_EQ(Seen(l, b, far), far) << what << " bottom-left";
  }
  void ExpectFrame(const Rect& r, Color c, const std::string& what) { ExpectRing(r, c, c, c, what); }

  // Every pixel of the rectangle in one colour.
  void ExpectFill(const Rect& r, Color c, const std::string& what) {
    for (std::int32_t y = r.top; y < r.bottom; ++y)
      for (std::int32_t x = r.left; x < r.right; ++x) {
        ASSERT_EQ(Seen(x, y, c), c) << what << " at " << x << "," << y;
      }
  }

  // Paints once with ShowFocusRect off and once on; answers how many pixels changed, and
  // requires each change to invert a pixel of the outline of `outline`.
  int DottedPixels(const Rect& outline) {
    Button().ShowFocusRect(false);
    host.PaintNow();
    const std::vector<std::uint32_t> plain = host.Raster().Pixels();
    Button().ShowFocusRect(true);
    host.PaintNow();
    const std::vector<std::uint32_t>& dotted = host.Raster().Pixels();
    int changed = 0;
    for (std::int32_t y = 0; y < H; ++y)
      for (std::int32_t x = 0; x < W; ++x) {
        const std::size_t i = static_cast<std::size_t>(y) * W + x;
        if ((plain[i] & 0xFFFFFF) == (dotted[i] & 0xFFFFFF)) continue;
        ++changed;
        const bool inside = x >= outline.left && x < outline.right && y >= outline.top && y < outline.bottom;
        const bool edge = x == outline.left || x == outline.right - 1 || y == outline.top ||
                          y == outline.bottom - 1;
        EXPECT_TRUE(inside && edge) << x << "," << y;
        EXPECT_EQ(dotted[i] & 0xFFFFFF, ~plain[i] & 0xFFFFFF) << x << "," << y;
      }
    return changed;
  }
  // Every other pixel of the outline's walk: its length halved, give or take the corners.
  static int HalfOutline(const Rect& r) {
    return ((r.right - r.left) + (r.bottom - r.top)) - 2;
  }

  const std::int32_t W, H;

 private:
  std::vector<std::uint8_t> outside_;
};

}  // namespace quillet::testing
