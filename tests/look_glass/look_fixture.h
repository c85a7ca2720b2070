// A headless button of one style on the software raster, at a chosen size and BackColor,
// with helpers that read whole rows, columns and outlines back. Only pixels inside the
// window region are read: outside it the window shows nothing.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

#include "caption/caption_fixture.h"

namespace quillet::testing {

class LookTest : public CaptionTest {
 protected:
  LookTest(ButtonStyle style, std::int32_t w, std::int32_t h, Color back) : CaptionTest(w, h), W(w), H(h) {
    Button().ButtonStyle(style);
    Button().BackColor(back);
    Button().Caption(u"");
  }

  void Hover() { host.MovePointerTo(W / 2, H / 2); }
  void Check() {
    Button().CheckBoxMode(true);
    Button().Value(true);
  }
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

  const std::int32_t W;
  const std::int32_t H;

 private:
  ::testing::AssertionResult Mismatch(std::int32_t x, std::int32_t y, Color c) {
    char text[80];
    std::snprintf(text, sizeof text, "(%d,%d) is %06X, expected %06X", x, y, At(x, y), c);
    return ::testing::AssertionFailure() << text;
  }
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
