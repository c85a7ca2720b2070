// Draws the same scripts through GDI on a memory DIB and through the software raster, in
// one process, and requires the same pixels. Text is left out.
#include <gtest/gtest.h>
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "button/primitives.h"
#include "raster/memory_picture.h"
#include "raster/raster_surface.h"
#include "raster/region_mask.h"
#include "win32/gdi_picture.h"
#include "win32/gdi_surface.h"
#include "support/pixel_difference.h"
#include "support/wine_system_colors.h"

namespace quillet {
namespace {

struct Totals {
  long scripts = 0;
  long long pixels = 0;
  long masks = 0;
  long long mask_pixels = 0;
  long long mask_rows_skipped = 0;
  ~Totals() {
    std::printf("[drawing] %ld scripts, %lld pixels compared; %ld region masks, %lld mask pixels "
                "compared, %lld rows skipped\n",
                scripts, pixels, masks, mask_pixels, mask_rows_skipped);
  }
};
Totals totals;

std::uint32_t Background(std::int32_t x, std::int32_t y) {
  return (static_cast<std::uint32_t>(x) * 0x3B1D5u + static_cast<std::uint32_t>(y) * 0x91E27u +
          0x406080u) & 0xFFFFFF;
}

// Runs `draw` on both surfaces over the same background; returns the number of pixels
// that differ (and reports the first few).
long Compare(const std::string& name, std::int32_t w, std::int32_t h,
             const std::function<void(Surface&)>& draw) {
  auto gdi = GdiDibSurface::Create(w, h);
  EXPECT_NE(gdi, nullptr) << name;
  if (!gdi) return 1;
  RasterSurface raster(w, h, WineSystemColors());
  std::uint32_t* g = gdi->Pixels();
  std::vector<std::uint32_t>& r = raster.MutablePixels();
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x)
      g[y * w + x] = r[static_cast<std::size_t>(y) * w + x] = Background(x, y);
  draw(*gdi);
  draw(raster);
  const testing::PixelDifference d = testing::ComparePixels(gdi->Pixels(), r.data(), w, h, {}, 8);
  ++totals.scripts;
  totals.pixels += d.compared;
  EXPECT_EQ(d.count, 0) << name << ":" << d.report;
  return d.count;
}

const std::int32_t kDirs[8][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};

TEST(GdiVsRaster, LinesInEveryDirectionAndLength) {
  for (int origin = 0; origin < 2; ++origin)
    for (const auto& d : kDirs)
      for (std::int32_t len : {0, 1, 2, 3, 7, 30}) {
        const std::int32_t x0 = 15 + origin, y0 = 12 + origin;
        Compare("line dir " + std::to_string(d[0]) + "," + std::to_string(d[1]) + " len " +
                    std::to_string(len),
                32, 26, [&](Surface& s) {
                  PaintLine(s, x0, y0, x0 + d[0] * len, y0 + d[1] * len, 0x0000FF);
                });
      }
}

TEST(GdiVsRaster, LinesOfEverySlope) {
  // Every end point around a centre, then long lines that leave the surface.
  Compare("fan", 61, 61, [](Surface& s) {
    for (int dy = -20; dy <= 20; dy += 3)
      for (int dx = -20; dx <= 20; dx += 3) {
        s.FillRect(Rect{0, 0, 61, 61}, 0xFFFFFF);  // no overlap hides a pixel
        PaintLine(s, 30, 30, 30 + dx, 30 + dy, 0x102030);
      }
  });
  for (int dy = -9; dy <= 9; ++dy)
    for (int dx = -9; dx <= 9; ++dx)
      Compare("slope " + std::to_string(dx) + "," + std::to_string(dy), 21, 21,
              [&](Surface& s) { PaintLine(s, 10, 10, 10 + dx, 10 + dy, 0x00FF00); });
  std::uint32_t seed = 12345;
  auto next = [&](std::int32_t range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<std::int32_t>((seed >> 8) % static_cast<std::uint32_t>(range));
  };
  for (int i = 0; i < 120; ++i) {
    const std::int32_t x1 = next(400) - 150, y1 = next(300) - 120, x2 = next(400) - 150,
                       y2 = next(300) - 120;
    Compare("long line " + std::to_string(i), 97, 61,
            [&](Surface& s) { PaintLine(s, x1, y1, x2, y2, 0x808000); });
  }
}

TEST(GdiVsRaster, DrawModesOnLinesAndPixels) {
  for (std::int32_t mode = 1; mode <= 16; ++mode)
    Compare("draw mode " + std::to_string(mode), 20, 12, [&](Surface& s) {
      s.SetDrawMode(mode);
      PaintLine(s, 1, 1, 18, 9, 0x3366CC);
      PaintLine(s, 2, 10, 17, 10, 0xCC6633);
      s.SetPixel(5, 5, 0x00FFFF);
      s.FillRect(Rect{10, 1, 14, 4}, 0x00FF00);  // fills ignore the draw mode
      s.FrameRect(Rect{14, 4, 19, 8}, 0xFF0000);
      s.DrawEdge(Rect{2, 2, 8, 8}, kEdgeRaised, kBfRect);
    });
}

TEST(GdiVsRaster, FramesAndFillsOfAnySize) {
  const std::int32_t sizes[] = {-3, -1, 0, 1, 2, 3, 6};
  for (std::int32_t w : sizes)
    for (std::int32_t h : sizes) {
      const std::string n = std::to_string(w) + "x" + std::to_string(h);
      Compare("frame " + n, 16, 16, [&](Surface& s) { PaintFrameRect(s, 5, 6, w, h, 0xABCDEF); });
      Compare("fill " + n, 16, 16, [&](Surface& s) { PaintRect(s, 0x13579B, Rect{5, 6, 5 + w, 6 + h}); });
    }
  Compare("clipped at the edges", 12, 9, [](Surface& s) {
    PaintRect(s, 0xFF00FF, Rect{-5, -5, 3, 20});
    PaintFrameRect(s, 8, -2, 10, 15, 0x00FF00);
    PaintFrameRect(s, -1, -1, 14, 11, 0x0000FF);
  });
}

TEST(GdiVsRaster, SystemAndPaletteColoursOnFills) {
  const Color colours[] = {0x000000, 0xFFFFFF, 0x01000003, 0x01000013, 0x01000014,
                           0x0100FFFF, 0x02123456, 0x03123456, 0x10000003, 0x80000012,
                           0x8000000F, 0xFFFFFFFF, 0x40ABCDEF};
  for (Color c : colours) {
    char name[32];
    std::snprintf(name, sizeof name, "colour %08x", c);
    Compare(name, 6, 4, [&](Surface& s) {
      s.FillRect(Rect{0, 0, 2, 2}, c);
      s.SetPixel(3, 0, c);
      PaintLine(s, 2, 3, 6, 3, c);
    });
  }
}

TEST(GdiVsRaster, GradientsInAllDirections) {
  const std::int32_t sizes[] = {0, 1, 2, 5, 17};
  const Color pairs[][2] = {{0x000000, 0xFFFFFF}, {0x0000FF, 0x000000}, {0x204080, 0xF0C010},
                            {0xFFFFFF, 0xFFFFFF}};
  for (std::int32_t dir = 0; dir < 4; ++dir)
    for (std::int32_t w : sizes)
      for (std::int32_t h : sizes)
        for (const auto& p : pairs)
          Compare("gradient " + std::to_string(dir) + " " + std::to_string(w) + "x" +
                      std::to_string(h),
                  24, 22, [&](Surface& s) { PaintGradient(s, 3, 2, w, h, p[0], p[1], dir); });
  Compare("gradient past the edges", 40, 30, [](Surface& s) {
    PaintGradient(s, -10, -4, 60, 20, 0x00FF00, 0xFF00FF, 0);
    PaintGradient(s, 20, 10, 40, 40, 0x0000FF, 0x00FFFF, 1);
  });
}

// The raster writes gradients straight into its pixels: rows filled, one row copied, long
// rows, clipped at the edges and to rounded regions.
TEST(GdiVsRaster, GradientsOfButtonAndWindowSizesInsideRegions) {
  const Color pairs[][2] = {{0xECEBE7, 0x2B5A8A}, {0xFF00FF, 0x00FF00}};
  for (std::int32_t dir = 0; dir < 4; ++dir)
    for (const auto& p : pairs) {
      for (std::int32_t e : {0, 3, 18})
        Compare("region " + std::to_string(e) + " gradient " + std::to_string(dir), 169, 33, [&](Surface& s) {
          if (e) s.SetWindowRegion(RegionShape::FromRoundRect(0, 0, 170, 34, e, e));
          PaintGradient(s, 0, 0, 169, 33, p[0], p[1], dir);
          PaintGradient(s, -5, 7, 60, 40, p[1], p[0], dir);
        });
      Compare("long gradient " + std::to_string(dir), 4200, 3,
              [&](Surface& s) { PaintGradient(s, 0, 0, 4200, 3, p[0], p[1], dir); });
      Compare("window gradient " + std::to_string(dir), 800, 600,
              [&](Surface& s) { PaintGradient(s, 0, 0, 800, 600, p[0], p[1], dir); });
    }
}

TEST(GdiVsRaster, EdgesOfEveryKindAndSize) {
  const std::uint32_t kinds[] = {kEdgeRaised, kEdgeSunken, kBdrRaisedInner};
  for (std::uint32_t kind : kinds) {
    for (std::int32_t w = 2; w <= 40; ++w)
      for (std::int32_t h = 2; h <= 20; ++h)
        Compare("edge " + std::to_string(kind) + " " + std::to_string(w) + "x" + std::to_string(h),
                44, 24, [&](Surface& s) { s.DrawEdge(Rect{1, 2, 1 + w, 2 + h}, kind, kBfRect); });
    for (const Rect& r : {Rect{5, 5, 5, 5}, Rect{5, 5, 6, 6}, Rect{9, 8, 2, 3}, Rect{-3, -2, 4, 30}})
      Compare("edge " + std::to_string(kind) + " odd rectangle", 12, 10,
              [&](Surface& s) { s.DrawEdge(r, kind, kBfRect); });
  }
}

TEST(GdiVsRaster, FocusRectanglesAtOddAndEvenOrigins) {
  for (std::int32_t oy = 0; oy < 2; ++oy)
    for (std::int32_t ox = 0; ox < 2; ++ox)
      for (std::int32_t w : {-4, 0, 1, 2, 3, 4, 7, 10})
        for (std::int32_t h : {-3, 0, 1, 2, 3, 6, 9})
          Compare("focus " + std::to_string(ox) + "," + std::to_string(oy) + " " +
                      std::to_string(w) + "x" + std::to_string(h),
                  18, 16, [&](Surface& s) {
                    s.SetTextColor(0x0000FF);
                    s.DrawFocusRect(Rect{3 + ox, 3 + oy, 3 + ox + w, 3 + oy + h});
                  });
  Compare("focus twice restores", 12, 12, [](Surface& s) {
    s.DrawFocusRect(Rect{2, 2, 10, 10});
    s.DrawFocusRect(Rect{2, 2, 10, 10});
    s.DrawFocusRect(Rect{1, 1, 8, 9});
  });
}

// The region GDI builds, as a pixel mask over width x height.
std::vector<std::uint8_t> GdiRegionMask(HRGN region, std::int32_t w, std::int32_t h) {
  std::vector<std::uint8_t> mask(static_cast<std::size_t>(w) * h, 0);
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<std::uint8_t> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (size == 0 || !GetRegionData(region, size, data)) return mask;
  const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
  for (DWORD i = 0; i < data->rdh.nCount; ++i)
    for (LONG y = std::max<LONG>(rects[i].top, 0); y < std::min<LONG>(rects[i].bottom, h); ++y)
      for (LONG x = std::max<LONG>(rects[i].left, 0); x < std::min<LONG>(rects[i].right, w); ++x)
        mask[static_cast<std::size_t>(y) * w + x] = 1;
  return mask;
}

// Compares one region shape over a (w + 2) x (h + 2) area. Rows that the corner ellipse
// never reaches (only when it is two or three pixels wide and much taller) hold whatever
// GDI left in memory there, so they are left out and counted.
void CompareRegion(const RegionShape& shape, std::int32_t w, std::int32_t h, bool probe_points) {
  const std::int32_t mw = w + 2, mh = h + 2;
  HRGN region = CreateRegion(shape);
  ASSERT_NE(region, nullptr);
  const std::vector<std::uint8_t> want = GdiRegionMask(region, mw, mh);
  const std::vector<std::uint8_t> got = RegionMask(shape, mw, mh);
  const RegionSpans spans = BuildRegionSpans(shape);
  long diffs = 0;
  for (std::int32_t y = 0; y < mh; ++y) {
    const std::int32_t row = y - spans.top;
    if (row >= 0 && row < static_cast<std::int32_t>(spans.left.size()) &&
        spans.left[row] == spans.right[row] && shape.kind == RegionShape::Kind::RoundRect) {
      ++totals.mask_rows_skipped;
      continue;
    }
    for (std::int32_t x = 0; x < mw; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * mw + x;
      if (want[i] != got[i]) ++diffs;
      if (probe_points && (PtInRegion(region, x, y) != FALSE) != (got[i] != 0)) ++diffs;
      ++totals.mask_pixels;
    }
  }
  DeleteObject(region);
  ++totals.masks;
  EXPECT_EQ(diffs, 0) << "region " << shape.right << "x" << shape.bottom << " ellipse "
                      << shape.ellipse_width << "x" << shape.ellipse_height;
}

TEST(GdiVsRaster, RoundRectRegionMasks) {
  for (std::int32_t e : {3, 4, 18})
    for (std::int32_t h = 1; h <= 60; ++h)
      for (std::int32_t w = 1; w <= 200; ++w)
        CompareRegion(RegionShape::FromRoundRect(0, 0, w + 1, h + 1, e, e), w, h, w <= 24 && h <= 24);
  for (std::int32_t ew = 0; ew <= 12; ++ew)
    for (std::int32_t eh = 0; eh <= 12; ++eh)
      CompareRegion(RegionShape::FromRoundRect(0, 0, 21, 17, ew, eh), 21, 17, true);
  for (const RegionShape& s : {RegionShape::FromRect(0, 0, 100, 30), RegionShape::FromRect(5, 4, 2, 1),
                               RegionShape::FromRect(3, 3, 3, 9), RegionShape::FromRoundRect(9, 8, 0, 0, 5, 5)})
    CompareRegion(s, 100, 30, true);
}

TEST(GdiVsRaster, DrawingIsClippedToTheWindowRegion) {
  for (std::int32_t e : {3, 4, 18})
    Compare("clip to round rect " + std::to_string(e), 40, 24, [&](Surface& s) {
      s.SetWindowRegion(RegionShape::FromRoundRect(0, 0, 41, 25, e, e));
      s.SetBackColor(0x00C0FF);
      s.Cls();
      PaintGradient(s, 0, 0, 40, 24, 0x000000, 0xFFFFFF, 1);
      PaintFrameRect(s, 0, 0, 40, 24, 0x800000);
      PaintLine(s, 0, 0, 40, 24, 0x0000FF);
      s.DrawFocusRect(Rect{0, 0, 40, 24});
      std::int32_t bw = 0, bh = 0;
      PaintCornerPixels(s, 0xFF0000, bw, bh);
    });
}

TEST(GdiVsRaster, ResolveColorMatchesOleTranslateColor) {
  RasterSurface raster(1, 1, WineSystemColors());
  std::vector<Color> values;
  for (std::uint32_t n = 0; n < 0x120; ++n) values.push_back(0x80000000u + n);
  for (std::uint32_t hi = 0; hi < 256; ++hi)
    for (std::uint32_t lo : {0x000000u, 0x000005u, 0x00000Fu, 0x123456u, 0xFFFFFFu})
      values.push_back((hi << 24) | lo);
  long mismatches = 0;
  for (Color v : values) {
    COLORREF out = 0;
    const bool ok = OleTranslateColor(v, nullptr, &out) == S_OK;
    const Color want = ok ? out : 0xFFFFFFFF;
    if (ResolveColor(raster, v) != want && ++mismatches <= 5)
      ADD_FAILURE() << std::hex << v << ": OleTranslateColor " << want << ", ResolveColor "
                    << ResolveColor(raster, v);
  }
  EXPECT_EQ(mismatches, 0);
  std::printf("[drawing] %zu colours translated\n", values.size());
}

PictureImage TestImage(std::int32_t w, std::int32_t h, bool with_mask) {
  PictureImage img;
  img.width = w;
  img.height = h;
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x) {
      const bool transparent = with_mask && ((x + 2 * y) % 5 == 0 || x == 0);
      img.pixels.push_back(transparent ? 0 : ((x * 40 + 10) << 16 | (y * 30 + 5) << 8 | (x * y * 7 & 0xFF)));
      if (with_mask) img.mask.push_back(transparent ? 1 : 0);
    }
  // Exact magenta pixels for the transparent copy.
  for (std::int32_t i = 0; i < w; i += 3) img.pixels[static_cast<std::size_t>(i % h) * w + i] = 0xFF00FF;
  return img;
}

// Runs `draw` with a GDI picture on the GDI surface and a memory picture on the raster.
void ComparePictures(const std::string& name, PictureType type, const PictureImage& img,
                     const std::function<void(Surface&, const Picture&)>& draw) {
  auto gdi_picture = GdiPicture::FromImage(type, img);
  ASSERT_NE(gdi_picture, nullptr);
  MemoryPicture memory(type, img);
  auto gdi_ptr = gdi_picture.get();
  // Compare() draws GDI first: hand each surface its own picture.
  bool first = true;
  Compare(name, 40, 30, [&](Surface& s) {
    draw(s, first ? static_cast<const Picture&>(*gdi_ptr) : static_cast<const Picture&>(memory));
    first = false;
  });
}

TEST(GdiVsRaster, PicturesCopiedMaskedAndAsIcons) {
  const PictureImage bitmap = TestImage(12, 9, false);
  ComparePictures("stretchblt 1:1", PictureType::Bitmap, bitmap,
                  [](Surface& s, const Picture& p) { s.StretchBltPicture(p, 3, 4, 12, 9, 0, 0, 12, 9); });
  ComparePictures("stretchblt cropped", PictureType::Bitmap, bitmap,
                  [](Surface& s, const Picture& p) { s.StretchBltPicture(p, 30, 25, 8, 6, 0, 0, 8, 6); });
  ComparePictures("transparentblt", PictureType::Bitmap, bitmap, [](Surface& s, const Picture& p) {
    s.TransparentBltPicture(p, 5, 2, 12, 9, 0, 0, 12, 9, 0xFF00FF);
  });
  const PictureImage icon = TestImage(16, 16, true);
  ComparePictures("icon", PictureType::Icon, icon,
                  [](Surface& s, const Picture& p) { s.DrawIcon(p, 4, 7, 16, 16); });
  ComparePictures("icon scaled up", PictureType::Icon, icon,
                  [](Surface& s, const Picture& p) { s.DrawIcon(p, 2, 1, 24, 24); });
  ComparePictures("icon scaled down", PictureType::Icon, icon,
                  [](Surface& s, const Picture& p) { s.DrawIcon(p, 2, 1, 11, 13); });
  ComparePictures("stretchblt scaled", PictureType::Bitmap, bitmap,
                  [](Surface& s, const Picture& p) { s.StretchBltPicture(p, 1, 1, 30, 20, 0, 0, 12, 9); });
  ComparePictures("stretchblt shrunk", PictureType::Bitmap, bitmap,
                  [](Surface& s, const Picture& p) { s.StretchBltPicture(p, 1, 1, 7, 4, 0, 0, 12, 9); });
  ComparePictures("icon squeezed", PictureType::Icon, icon,
                  [](Surface& s, const Picture& p) { s.DrawIcon(p, 3, 2, 30, 5); });
}

TEST(GdiVsRaster, GreyPictureBitsReadBack) {
  for (PictureType type : {PictureType::Bitmap, PictureType::Icon}) {
    const PictureImage img = TestImage(13, 7, type == PictureType::Icon);
    auto gdi_picture = GdiPicture::FromImage(type, img);
    ASSERT_NE(gdi_picture, nullptr);
    MemoryPicture memory(type, img);
    auto gdi = GdiDibSurface::Create(4, 4);
    RasterSurface raster(4, 4);
    for (PicturePlane plane : {PicturePlane::Colour, PicturePlane::Mask}) {
      std::vector<std::uint8_t> a, b;
      std::int32_t aw = 0, ah = 0, bw = 0, bh = 0;
      const bool ok_a = gdi->ReadPictureBits(*gdi_picture, plane, a, aw, ah);
      const bool ok_b = raster.ReadPictureBits(memory, plane, b, bw, bh);
      EXPECT_EQ(ok_a, ok_b);
      if (!ok_a || !ok_b) continue;
      EXPECT_EQ(aw, bw);
      EXPECT_EQ(ah, bh);
      EXPECT_EQ(a, b) << "plane " << static_cast<int>(plane) << " of type " << static_cast<int>(type);
      // Drawn scaled with SRCAND and SRCPAINT, as the disabled look does.
      const std::int32_t w = aw, h = ah;
      for (std::uint32_t rop : {kSrcAnd, kSrcPaint, kSrcCopy})
        Compare("24-bit dib rop " + std::to_string(rop), 30, 20, [&](Surface& s) {
          s.StretchDIBits(2, 3, w, h, 0, 0, w, h, DibBits{w, h, 24, a.data()}, rop);
          s.StretchDIBits(2, 12, 2 * w, h, 0, 0, w, h, DibBits{w, h, 24, a.data()}, rop);
          s.StretchDIBits(16, 1, w / 2 + 1, h / 2 + 1, 0, 0, w, h, DibBits{w, h, 24, a.data()}, rop);
          s.StretchDIBits(16, 6, w - 3, 2 * h - 1, 0, 0, w, h, DibBits{w, h, 24, a.data()}, rop);
        });
    }
  }
}

}  // namespace
}  // namespace quillet
