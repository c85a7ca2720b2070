// Colour arithmetic and painting primitives, on the software raster.
#include <gtest/gtest.h>

#include "button/primitives.h"
#include "raster/raster_surface.h"

namespace quillet {
namespace {

// Counts the transfers a primitive makes, and remembers the last one's shape.
class CountingSurface : public RasterSurface {
 public:
  using RasterSurface::RasterSurface;
  std::int32_t StretchDIBits(std::int32_t dx, std::int32_t dy, std::int32_t dw, std::int32_t dh,
                             std::int32_t sx, std::int32_t sy, std::int32_t sw, std::int32_t sh,
                             const DibBits& bits, std::uint32_t rop) override {
    ++transfers;
    last_bits = bits;
    last_dest = Rect{dx, dy, dx + dw, dy + dh};
    last_src = Rect{sx, sy, sx + sw, sy + sh};
    last_rop = rop;
    return RasterSurface::StretchDIBits(dx, dy, dw, dh, sx, sy, sw, sh, bits, rop);
  }
  // Like a GDI surface: no direct gradient, so gradients arrive as bits.
  bool FillGradient(const Rect&, Color, Color, std::int32_t) override { return false; }
  int transfers = 0;
  DibBits last_bits;
  Rect last_dest, last_src;
  std::uint32_t last_rop = 0;
};

TEST(PaintGradient, TopToBottomStepsTruncate) {
  RasterSurface s(3, 5);
  PaintGradient(s, 0, 0, 3, 5, 0x000000, 0x0000FF, 1);
  const int reds[] = {0, 63, 127, 191, 255};
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(s.GetPixel(x, y), static_cast<Color>(reds[y])) << y;
}

TEST(PaintGradient, SingleStepIsTheHalfSum) {
  RasterSurface s(4, 3);
  PaintGradient(s, 1, 0, 1, 3, 0xFFFFFF, 0xFFFFFF, 0);
  for (int y = 0; y < 3; ++y) EXPECT_EQ(s.GetPixel(1, y), 0xFEFEFEu);
  EXPECT_EQ(s.GetPixel(0, 0), 0u);  // nothing beside the column
  PaintGradient(s, 0, 0, 4, 1, 0x030201, 0x050403, 1);  // height 1: one step again
  EXPECT_EQ(s.GetPixel(2, 0), MakeColor(0 + 1, 1 + 2, 1 + 2));  // each half truncated
}

TEST(PaintGradient, DiagonalsRunFromTheirStartingCorner) {
  RasterSurface s(4, 3);
  PaintGradient(s, 0, 0, 4, 3, 0x000000, 0x0000FF, 2);
  EXPECT_EQ(s.GetPixel(0, 0), 0u);
  EXPECT_EQ(s.GetPixel(3, 2), 0xFFu);
  EXPECT_EQ(s.GetPixel(1, 0), s.GetPixel(0, 1));  // one colour per diagonal step
  PaintGradient(s, 0, 0, 4, 3, 0x000000, 0x0000FF, 3);
  EXPECT_EQ(s.GetPixel(0, 2), 0u);
  EXPECT_EQ(s.GetPixel(3, 0), 0xFFu);
  EXPECT_EQ(s.GetPixel(2, 1), static_cast<Color>(3 * 255 / 5));
}

TEST(PaintGradient, OneTransferAtOneToOneAndNothingWhenEmpty) {
  CountingSurface s(20, 10);
  PaintGradient(s, 2, 3, 7, 4, 0x102030, 0x405060, 0);
  EXPECT_EQ(s.transfers, 1);
  EXPECT_EQ(s.last_bits.bit_count, 32);
  EXPECT_EQ(s.last_bits.width, 7);
  EXPECT_EQ(s.last_bits.height, 4);  // bottom-up
  EXPECT_EQ(s.last_dest, (Rect{2, 3, 9, 7}));
  EXPECT_EQ(s.last_src, (Rect{0, 0, 7, 4}));
  EXPECT_EQ(s.last_rop, kSrcCopy);
  for (auto [w, h] : {std::pair{0, 4}, std::pair{7, 0}, std::pair{-1, 3}}) PaintGradient(s, 0, 0, w, h, 0, 0xFFFFFF, 1);
  PaintGradient(s, 0, 0, 5, 5, 0, 0xFFFFFF, 4);  // no such direction
  EXPECT_EQ(s.transfers, 1);
  // High bytes of the colours are ignored.
  PaintGradient(s, 0, 0, 1, 1, 0x80000000 | 0x0000FF, 0xFF0000FF, 0);
  EXPECT_EQ(s.GetPixel(0, 0), 0x0000FEu);
}

// Every pixel of a gradient written straight into the raster, against the rule worked out
// pixel by pixel here: step i of n has each channel at a + (b - a) * i / n, truncated. Long
// gradients (past 4096 steps, past 2 KiB rows), clipping at every edge and rounded window
// regions included; outside the gradient and the region the background stays.
TEST(PaintGradient, DirectPixelsFollowTheStepRuleEverywhere) {
  struct Case {
    std::int32_t sw, sh, x, y, w, h, region;  // region: 0 none, else the corner ellipse
  };
  const Case cases[] = {{169, 33, 0, 0, 169, 33, 0},  {169, 33, 0, 0, 169, 33, 3},
                        {41, 25, -7, -3, 60, 40, 18}, {30, 20, 5, 4, 17, 1, 4},
                        {700, 5, 0, 0, 700, 5, 0},    {4200, 3, 0, 0, 4200, 3, 0},
                        {40, 4500, 0, 0, 40, 4500, 0}, {15, 15, 14, 14, 1, 1, 3}};
  const Color pairs[][2] = {{0xE7EBEC, 0x8A5A2B}, {0x000000, 0xFFFFFF}, {0xFF00FF, 0x00FF00}};
  long checked = 0;
  for (const Case& c : cases)
    for (const auto& pair : pairs)
      for (std::int32_t dir = 0; dir < 4; ++dir) {
        RasterSurface s(c.sw, c.sh);
        for (std::uint32_t& p : s.MutablePixels()) p = 0x123456;
        if (c.region) s.SetWindowRegion(RegionShape::FromRoundRect(0, 0, c.sw + 1, c.sh + 1, c.region, c.region));
        PaintGradient(s, c.x, c.y, c.w, c.h, pair[0], pair[1], dir);
        const std::int64_t n = dir == 0 ? c.w - 1 : dir == 1 ? c.h - 1 : c.w + c.h - 2;
        long wrong = 0;
        for (std::int32_t y = 0; y < c.sh; ++y)
          for (std::int32_t x = 0; x < c.sw; ++x) {
            const std::int64_t cx = x - c.x, cy = y - c.y;
            std::uint32_t want = 0x123456;
            if (s.Visible(x, y) && cx >= 0 && cy >= 0 && cx < c.w && cy < c.h) {
              const std::int64_t i = dir == 0 ? cx : dir == 1 ? cy : dir == 2 ? cx + cy : cx + (c.h - 1 - cy);
              want = 0;
              for (int ch = 0; ch < 3; ++ch) {
                const std::int64_t a = (pair[0] >> (8 * ch)) & 0xFF, b = (pair[1] >> (8 * ch)) & 0xFF;
                const std::int64_t v = n > 0 ? a + (b - a) * i / n : a / 2 + b / 2;
                want |= static_cast<std::uint32_t>(v) << (16 - 8 * ch);
              }
            }
            if ((s.Pixels()[static_cast<std::size_t>(y) * c.sw + x] & 0xFFFFFF) != want && wrong++ < 3)
              ADD_FAILURE() << c.sw << "x" << c.sh << " dir " << dir << " at " << x << "," << y;
            ++checked;
          }
        EXPECT_EQ(wrong, 0);
      }
  EXPECT_GT(checked, 2000000);
}

TEST(ColourArithmetic, AverageRoundsHalvesToEven) {
  EXPECT_EQ(AverageColors(MakeColor(3, 2, 1), MakeColor(4, 3, 2)), MakeColor(4, 2, 2));
  EXPECT_EQ(AverageColors(0xFFFFFF, 0x000000), MakeColor(128, 128, 128));  // 127.5 -> 128
  EXPECT_EQ(AverageColors(0x102030, 0x102030), 0x102030u);
}

TEST(ColourArithmetic, OffsetRoundsAndClampsOneWay) {
  EXPECT_EQ(OffsetColor(MakeColor(0, 1, 200), 0.5f), MakeColor(128, 128, 255));
  EXPECT_EQ(OffsetColor(MakeColor(128, 128, 128), -0.1f), MakeColor(102, 102, 102));
  EXPECT_EQ(OffsetColor(MakeColor(10, 250, 3), -0.1f), MakeColor(0, 224, 0));
  EXPECT_EQ(OffsetColor(0xD4D4D4, 0.06f), 0xE3E3E3u);
  EXPECT_EQ(OffsetColor(0xABCDEF, 0.0f), 0xABCDEFu);
}

TEST(ResolveColor, SystemColoursComeFromTheSurfaceTable) {
  SystemColorTable table = DefaultSystemColors();
  table[kColorBtnFace] = 0x0A0B0C;
  table[kColorBtnText] = 0x010203;
  RasterSurface s(1, 1, table);
  EXPECT_EQ(ResolveColor(s, 0x8000000F), 0x0A0B0Cu);
  EXPECT_EQ(ResolveColor(s, 0x80000012), 0x010203u);
  EXPECT_EQ(ResolveColor(s, 0x8000010F), 0x0A0B0Cu);  // only the low byte indexes
  EXPECT_EQ(ResolveColor(s, 0x8000001F), 0xFFFFFFFFu);
  EXPECT_EQ(ResolveColor(s, 0x123456), 0x123456u);
  EXPECT_EQ(ResolveColor(s, 0x01000003), 0x01000003u);
  EXPECT_EQ(ResolveColor(s, 0x03000000), 0xFFFFFFFFu);
  EXPECT_EQ(ResolveColor(s, 0x8000000F, 0x1234), 0xFFFFFFFFu);
}

TEST(PaintCornerPixels, SetsThePixelsInsideTheCornersAndRefreshesTheSize) {
  RasterSurface s(10, 6);
  std::int32_t w = 0, h = 0;
  PaintCornerPixels(s, 0x0000FF, w, h);
  EXPECT_EQ(w, 10);
  EXPECT_EQ(h, 6);
  int painted = 0;
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 10; ++x)
      if (s.GetPixel(x, y) == 0xFFu) {
        ++painted;
        EXPECT_TRUE((x == 1 || x == 8) && (y == 1 || y == 4)) << x << "," << y;
      }
  EXPECT_EQ(painted, 4);
}

TEST(PaintLine, LeavesOutTheEndPoint) {
  RasterSurface s(8, 8);
  PaintLine(s, 0, 0, 5, 0, 0xFFFFFF);
  for (int x = 0; x < 8; ++x) EXPECT_EQ(s.GetPixel(x, 0), x < 5 ? 0xFFFFFFu : 0u) << x;
  PaintLine(s, 6, 7, 6, 2, 0x00FF00);  // upwards: rows 7 down to 3
  for (int y = 0; y < 8; ++y) EXPECT_EQ(s.GetPixel(6, y) == 0x00FF00u, y >= 3) << y;
  PaintLine(s, 3, 3, 3, 3, 0x0000FF);
  EXPECT_EQ(s.GetPixel(3, 3), 0u);
}

TEST(PaintFrameAndRect, OutlineAndFillBounds) {
  RasterSurface s(8, 8);
  PaintFrameRect(s, 1, 2, 4, 3, 0xFFFFFF);
  int on = 0;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (s.GetPixel(x, y) != 0) {
        ++on;
        EXPECT_TRUE(x == 1 || x == 4 || y == 2 || y == 4) << x << "," << y;
      }
  EXPECT_EQ(on, 10);
  PaintRect(s, 0x00FF00, Rect{5, 5, 7, 8});
  EXPECT_EQ(s.GetPixel(5, 5), 0x00FF00u);
  EXPECT_EQ(s.GetPixel(6, 7), 0x00FF00u);
  EXPECT_EQ(s.GetPixel(7, 7), 0u);
  EXPECT_EQ(s.GetPixel(4, 5), 0u);
}

}  // namespace
}  // namespace quillet
