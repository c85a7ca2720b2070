// The software raster's own rules, natively (Wine holds it against GDI on Windows).
#include <gtest/gtest.h>

#include <string>

#include "raster/memory_picture.h"
#include "raster/raster_surface.h"
#include "raster/region_mask.h"

namespace quillet {
namespace {

int CountInside(const std::vector<std::uint8_t>& mask) {
  int n = 0;
  for (auto m : mask) n += m;
  return n;
}

TEST(RegionMask, RoundRectCutsOnlyTheCorners) {
  // A 100 x 30 control's region (0, 0, 101, 31) with a 3 x 3 ellipse.
  const auto mask = RegionMask(RegionShape::FromRoundRect(0, 0, 101, 31, 3, 3), 102, 32);
  auto at = [&](int x, int y) { return mask[static_cast<std::size_t>(y) * 102 + x]; };
  EXPECT_EQ(at(0, 0), 0);
  EXPECT_EQ(at(99, 0), 0);
  EXPECT_EQ(at(0, 29), 0);
  EXPECT_EQ(at(99, 29), 0);
  EXPECT_EQ(at(1, 0), 1);
  EXPECT_EQ(at(0, 1), 1);
  EXPECT_EQ(at(100, 15), 0);  // the interior excludes the outline's right and bottom
  EXPECT_EQ(at(50, 30), 0);
  EXPECT_EQ(CountInside(mask), 100 * 30 - 4);
}

// Each row's first inside pixel and the first outside after it, "left-right".
std::string RowSpans(const std::vector<std::uint8_t>& mask, int w, int h) {
  std::string out;
  for (int y = 0; y < h; ++y) {
    int l = -1, r = -1;
    for (int x = 0; x < w; ++x)
      if (mask[static_cast<std::size_t>(y) * w + x]) {
        if (l < 0) l = x;
        r = x + 1;
      }
    out += (y ? " " : "") + std::to_string(l) + "-" + std::to_string(r);
  }
  return out;
}

// Corner curves of round rectangle regions as GDI makes them (CreateRoundRectRgn under Wine,
// read back with PtInRegion): round, flat, tall and odd-sized ellipses.
TEST(RegionMask, CornerCurvesFollowGdiRowByRow) {
  struct Case {
    int w, h, ew, eh;
    const char* rows;
  };
  const Case cases[] = {
      {60, 30, 18, 18,
       "6-54 4-56 3-57 2-58 1-59 1-59 0-60 0-60 0-60 0-60 0-60 0-60 0-60 0-60 0-60 0-60 0-60 "
       "0-60 0-60 0-60 0-60 0-60 0-60 0-60 1-59 1-59 2-58 3-57 4-56 6-54"},
      {21, 16, 7, 5,
       "2-19 0-21 0-21 0-21 0-21 0-21 0-21 0-21 0-21 0-21 0-21 0-21 0-21 0-21 0-21 2-19"},
      {40, 24, 12, 9,
       "3-37 2-38 1-39 0-40 0-40 0-40 0-40 0-40 0-40 0-40 0-40 0-40 0-40 0-40 0-40 0-40 0-40 "
       "0-40 0-40 0-40 0-40 1-39 2-38 3-37"},
      {15, 15, 6, 11, "2-13 1-14 1-14 0-15 0-15 0-15 0-15 0-15 0-15 0-15 0-15 0-15 1-14 1-14 2-13"},
  };
  for (const Case& c : cases) {
    const auto mask = RegionMask(RegionShape::FromRoundRect(0, 0, c.w + 1, c.h + 1, c.ew, c.eh),
                                 c.w + 2, c.h + 1);
    EXPECT_EQ(RowSpans(mask, c.w + 2, c.h), c.rows) << c.w << "x" << c.h << " " << c.ew << "x" << c.eh;
  }
}

// Every corner ellipse from 3 x 3 to 24 x 24 on a 40 x 30 control, folded pixel by pixel
// (rows top-down, 42 x 32 points each, 1 inside) into one FNV-1a digest; the digest is GDI's,
// from CreateRoundRectRgn and PtInRegion under Wine. 3 x 8 is left out: GDI gives it a lone
// pixel in a row the curve never reaches, which the raster leaves empty on purpose.
TEST(RegionMask, EveryCornerEllipseUpTo24MatchesGdi) {
  std::uint64_t digest = 0xcbf29ce484222325ull;
  for (int ew = 3; ew <= 24; ++ew)
    for (int eh = 3; eh <= 24; ++eh) {
      if (ew == 3 && eh == 8) continue;
      for (std::uint8_t inside : RegionMask(RegionShape::FromRoundRect(0, 0, 41, 31, ew, eh), 42, 32)) {
        digest ^= inside ? 1u : 0u;
        digest *= 0x100000001b3ull;
      }
    }
  EXPECT_EQ(digest, 0xa23d5279453eda5dull);
}

TEST(RegionMask, LargeEllipseRoundsMoreRowsAndSmallOnesFallBackToRectangles) {
  const auto big = RegionMask(RegionShape::FromRoundRect(0, 0, 61, 31, 18, 18), 60, 30);
  const auto small = RegionMask(RegionShape::FromRoundRect(0, 0, 61, 31, 4, 4), 60, 30);
  EXPECT_LT(CountInside(big), CountInside(small));
  EXPECT_EQ(big[0], 0);
  EXPECT_EQ(big[5 * 60 + 0], 0);   // still inside the corner curve
  EXPECT_EQ(big[15 * 60 + 0], 1);  // the straight side
  const auto flat = RegionMask(RegionShape::FromRoundRect(0, 0, 11, 11, 1, 1), 12, 12);
  EXPECT_EQ(CountInside(flat), 100);
  const auto rect = RegionMask(RegionShape::FromRect(7, 5, 2, 1), 10, 10);  // corners swapped
  EXPECT_EQ(CountInside(rect), 5 * 4);
}

TEST(RasterSurface, DrawingStaysInsideTheWindowRegion) {
  RasterSurface s(20, 10);
  s.SetWindowRegion(RegionShape::FromRoundRect(0, 0, 21, 11, 4, 4));
  s.SetBackColor(0xFFFFFF);
  s.Cls();
  EXPECT_EQ(s.GetPixel(0, 0), 0u);
  EXPECT_EQ(s.GetPixel(10, 5), 0xFFFFFFu);
  s.SetPixel(0, 0, 0x00FF00);
  EXPECT_EQ(s.GetPixel(0, 0), 0u);
}

TEST(RasterSurface, FocusRectangleIsDottedAndUndoesItself) {
  RasterSurface s(12, 12);
  s.DrawFocusRect(Rect{2, 2, 9, 8});
  int inverted = 0;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x)
      if (s.GetPixel(x, y) == 0xFFFFFFu) ++inverted;
  EXPECT_EQ(inverted, (2 * 7 + 2 * 6 - 4) / 2);  // every other pixel of the outline
  EXPECT_EQ(s.GetPixel(8, 2), 0xFFFFFFu);        // the walk starts top right
  s.DrawFocusRect(Rect{2, 2, 9, 8});
  for (auto p : s.Pixels()) EXPECT_EQ(p & 0xFFFFFF, 0u);
}

TEST(RasterSurface, EdgesTakeTheirColoursFromTheSystemTable) {
  SystemColorTable t = DefaultSystemColors();
  t[kColor3DLight] = 0x000001;
  t[kColorBtnHighlight] = 0x000002;
  t[kColorBtnShadow] = 0x000003;
  t[kColor3DDkShadow] = 0x000004;
  RasterSurface s(10, 10, t);
  s.DrawEdge(Rect{1, 1, 8, 7}, kEdgeRaised, kBfRect);
  EXPECT_EQ(s.GetPixel(1, 1), 1u);  // outer top-left
  EXPECT_EQ(s.GetPixel(2, 2), 2u);  // inner top-left
  EXPECT_EQ(s.GetPixel(6, 5), 3u);  // inner bottom-right
  EXPECT_EQ(s.GetPixel(7, 6), 4u);  // outer bottom-right
  EXPECT_EQ(s.GetPixel(4, 4), 0u);  // the middle is left alone
  s.DrawEdge(Rect{1, 1, 8, 7}, kEdgeSunken, kBfRect);
  EXPECT_EQ(s.GetPixel(1, 1), 3u);
  EXPECT_EQ(s.GetPixel(2, 2), 4u);
  s.DrawEdge(Rect{1, 1, 8, 7}, kBdrRaisedInner, kBfRect);
  EXPECT_EQ(s.GetPixel(1, 1), 2u);  // a lone inner border sits outside
  EXPECT_EQ(s.GetPixel(7, 6), 3u);
}

// Partly covered text pixels mix text and background colour rounded to nearest, channel by
// channel: text (R 200, G 100, B 10) at coverage 200 of 255 on black gives 40000 / 255 =
// 156.9 -> 157, 78.4 -> 78, 7.8 -> 8; on white 54025 / 255 = 211.9 -> 212, 133.4 -> 133,
// 62.8 -> 63.
TEST(RasterSurface, BlendedPixelsRoundToNearest) {
  RasterSurface s(3, 1);
  s.SetPixel(0, 0, 0x000000);
  s.SetPixel(1, 0, 0xFFFFFF);
  s.SetPixel(2, 0, 0x123456);
  s.BlendPixel(0, 0, 0x0A64C8, 200);
  s.BlendPixel(1, 0, 0x0A64C8, 200);
  s.BlendPixel(2, 0, 0x0A64C8, 0);  // no coverage: untouched
  EXPECT_EQ(s.GetPixel(0, 0), 0x084E9Du);
  EXPECT_EQ(s.GetPixel(1, 0), 0x3F85D4u);
  EXPECT_EQ(s.GetPixel(2, 0), 0x123456u);
  s.BlendPixel(0, 0, 0x0A64C8, 255);  // full coverage: the text colour itself
  EXPECT_EQ(s.GetPixel(0, 0), 0x0A64C8u);
}

// A glyph row blended in one pass rounds as above for every text value, background value and
// coverage, and stays inside the clip and the window region.
TEST(RasterSurface, BlendedRunsRoundToNearestAndKeepToClipAndRegion) {
  RasterSurface s(256, 1);
  std::uint8_t coverage[256];
  for (std::uint32_t text = 0; text < 256; ++text) {
    for (std::uint32_t c = 0; c < 256; ++c) {
      for (std::int32_t x = 0; x < 256; ++x) {  // the background runs through every value
        s.MutablePixels()[static_cast<std::size_t>(x)] = 0x010101u * static_cast<std::uint32_t>(255 - x);
        coverage[x] = static_cast<std::uint8_t>(c);
      }
      const Color colour = text | (255 - text) << 8 | (text ^ 0x5A) << 16;  // BGR
      s.BlendRun(0, 0, coverage, 256, colour, Rect{0, 0, 256, 1});
      for (std::uint32_t b = 0; b < 256; ++b) {
        const std::uint32_t got = s.GetPixel(static_cast<std::int32_t>(255 - b), 0);
        const std::uint32_t want_r = (text * c + b * (255 - c) + 127) / 255;
        const std::uint32_t want_g = ((255 - text) * c + b * (255 - c) + 127) / 255;
        const std::uint32_t want_b = ((text ^ 0x5A) * c + b * (255 - c) + 127) / 255;
        ASSERT_EQ(got, want_r | want_g << 8 | want_b << 16) << text << " " << c << " " << b;
      }
    }
  }
  RasterSurface r(8, 3);
  r.FillRect(Rect{0, 0, 8, 3}, 0xFFFFFF);
  r.SetWindowRegion(RegionShape::FromRoundRect(0, 0, 9, 4, 4, 4));
  const std::uint8_t full[10] = {255, 255, 255, 255, 255, 255, 255, 255, 255, 255};
  r.BlendRun(-1, 0, full, 10, 0x000000, Rect{0, 0, 6, 3});  // row 0: corners cut, clip at 6
  EXPECT_EQ(r.GetPixel(0, 0), 0xFFFFFFu);
  EXPECT_EQ(r.GetPixel(2, 0), 0x000000u);
  EXPECT_EQ(r.GetPixel(5, 0), 0x000000u);
  EXPECT_EQ(r.GetPixel(6, 0), 0xFFFFFFu);
  r.BlendRun(0, 3, full, 8, 0x000000, Rect{0, 0, 8, 8});  // below the surface: nothing
}

TEST(RasterSurface, DrawModeAppliesToPenLinesOnly) {
  RasterSurface s(6, 3);
  s.SetDrawMode(kDrawModeInvert);
  s.DrawLine(0, 0, 3, 0, 0x123456);
  s.FillRect(Rect{0, 1, 3, 2}, 0x123456);
  EXPECT_EQ(s.GetPixel(1, 0), 0xFFFFFFu);
  EXPECT_EQ(s.GetPixel(1, 1), 0x123456u);
  s.SetDrawMode(99);  // not a raster operation: ignored
  EXPECT_EQ(s.DrawMode(), kDrawModeInvert);
}

TEST(RasterSurface, PalettedColoursAndStrayHighBytes) {
  EXPECT_EQ(ColorToPixel(0x0000FF), 0xFF0000u);
  EXPECT_EQ(ColorToPixel(0x01000003), 0x808000u);
  EXPECT_EQ(ColorToPixel(0x01000099), 0u);
  EXPECT_EQ(ColorToPixel(0xFFFFFFFF), 0u);
  EXPECT_EQ(ColorToPixel(0x800000FF), 0xFF0000u);
}

TEST(RasterSurface, PrefixesUnderlineOneCharacter) {
  std::int32_t u = 0;
  EXPECT_EQ(StripPrefixes(u"&OK", u), u"OK");
  EXPECT_EQ(u, 0);
  EXPECT_EQ(StripPrefixes(u"A&&B", u), u"A&B");
  EXPECT_EQ(u, -1);
  EXPECT_EQ(StripPrefixes(u"Save && E&xit", u), u"Save & Exit");
  EXPECT_EQ(u, 8);
}

TEST(RasterSurface, IconsKeepTheirTransparentPixels) {
  PictureImage img;
  img.width = img.height = 2;
  img.pixels = {0x0000FF, 0x000000, 0x00FF00, 0xFF0000};
  img.mask = {0, 1, 0, 0};
  MemoryPicture icon(PictureType::Icon, img);
  RasterSurface s(4, 4);
  s.SetBackColor(0x808080);
  s.Cls();
  ASSERT_TRUE(s.DrawIcon(icon, 1, 1, 2, 2));
  EXPECT_EQ(s.GetPixel(1, 1), PixelToColor(0x0000FF));
  EXPECT_EQ(s.GetPixel(2, 1), 0x808080u);
  EXPECT_EQ(s.GetPixel(2, 2), PixelToColor(0xFF0000));
  std::vector<std::uint8_t> bits;
  std::int32_t w = 0, h = 0;
  ASSERT_TRUE(s.ReadPictureBits(icon, PicturePlane::Mask, bits, w, h));
  EXPECT_EQ(bits.size(), 2u * 8u);  // 6 bytes a row, padded to 8
  EXPECT_EQ(bits[8 + 3], 0xFF);     // top row (stored last), right pixel: transparent
  EXPECT_FALSE(s.StretchBltPicture(icon, 0, 0, 2, 2, 0, 0, 2, 2));
}

}  // namespace
}  // namespace quillet
