// A headless button of one style on the raster at a chosen size and BackColor, with the
// raster's default system colours, and checks that read it back: one-pixel rings, fills,
// rows, columns and outlines, and the dotted focus rectangle.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "support/caption_fixture.h"
#include "raster/region_mask.h"
#include "support/dotted_rect.h"

namespace quillet::testing {

// The default system colours of the raster (src/raster/system_colors.cpp).
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
  LookTest(ButtonStyle style, std::int32_t w, std::int32_t h, Color back) : LookTest(w, h) { Style(style, back); }

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
  void Check() {
    Button().CheckBoxMode(true);
    Button().Value(true);
  }

  // --- Checks that skip what a rounded region (given by its ellipse) leaves out.

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
  void ExpectRing(const Rect& r, Color top_left, Color bottom_right, Color far, const std::string& what) {
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

  // --- Checks that read only what the raster's own window region shows.

  bool Visible(std::int32_t x, std::int32_t y) {
    const RasterSurface& r = host.Raster();
    return !r.HasRegion() || r.RegionMaskBits()[static_cast<std::size_t>(y) * W + x] != 0;
  }

  // Every visible pixel of rows top..bottom-1 and columns left..right-1 is `c`.
  ::testing::AssertionResult Area(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                                  Color c) {
    for (std::int32_t y = top; y < bottom; ++y)
      for (std::int32_t x = left; x < right; ++x)
        if (Visible(x, y) && At(x, y) != c) return Mismatch(x, y, c);
    return ::testing::AssertionSuccess();
  }
  ::testing::AssertionResult Row(std::int32_t y, std::int32_t left, std::int32_t right, Color c) {
    return Area(left, y, right, y + 1, c);
  }
  ::testing::AssertionResult Column(std::int32_t x, std::int32_t top, std::int32_t bottom, Color c) {
    return Area(x, top, x + 1, bottom, c);
  }
  ::testing::AssertionResult Whole(Color c) { return Area(0, 0, W, H, c); }
  // The one-pixel outline of (x, y, w, h), as PaintFrameRect draws it.
  ::testing::AssertionResult Outline(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Color c) {
    for (auto r : {Row(y, x, x + w, c), Row(y + h - 1, x, x + w, c), Column(x, y, y + h, c),
                   Column(x + w - 1, y, y + h, c)})
      if (!r) return r;
    return ::testing::AssertionSuccess();
  }
  ::testing::AssertionResult Corners(Color c) {
    for (auto [x, y] : {std::pair{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}})
      if (At(x, y) != c) return Mismatch(x, y, c);
    return ::testing::AssertionSuccess();
  }

  // Paints once with ShowFocusRect off and once on; answers how many pixels changed, each
  // required to invert a pixel of the outline of `outline`.
  int DottedPixels(const Rect& outline) {
    const std::vector<std::uint32_t> plain = PaintPlainThenDotted(host);
    return quillet::testing::DottedPixels(plain, host.Raster().Pixels(), W, outline);
  }

  const std::int32_t W, H;

 private:
  ::testing::AssertionResult Mismatch(std::int32_t x, std::int32_t y, Color c) {
    char text[80];
    std::snprintf(text, sizeof text, "(%d,%d) is %06X, expected %06X", x, y, At(x, y), c);
    return ::testing::AssertionFailure() << text;
  }

  std::vector<std::uint8_t> outside_;
};

// Test names after the case's size and BackColor, "s57x21_c80000005".
struct CaseName {
  template <typename Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
    char text[40];
    std::snprintf(text, sizeof text, "s%dx%d_c%08X", info.param.size.cx, info.param.size.cy, info.param.back);
    return text;
  }
};

}  // namespace quillet::testing
