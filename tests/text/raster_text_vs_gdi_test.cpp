// The raster's FreeType text against GDI's, as recorded under Wine with the same font file:
// the same extents for every caption, the drawn caption in the same place, and how close the
// pixels inside come.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "raster/freetype_text.h"
#include "raster/raster_surface.h"
#include "text/text_corpus.h"

namespace wendral::text_test {
namespace {

using quillet::FontDescription;
using quillet::RasterSurface;
using quillet::Rect;

const std::vector<GdiText> kRecord = {
#include "text/gdi_text_record.inc"
};

class RasterText : public ::testing::Test {
 protected:
  void SetUp() override {
    engine_ = quillet::FreeTypeTextEngine::Create();
    ASSERT_NE(engine_, nullptr);
    ASSERT_EQ(kRecord.size(), Corpus().size());
  }
  static FontDescription Font(const TextCase& c) {
    FontDescription f;
    f.face = u"\u5b8b\u4f53";
    f.height = c.height;
    f.weight = c.weight;
    f.charset = 134;
    return f;
  }
  std::unique_ptr<RasterSurface> Draw(const TextCase& c) {
    auto s = std::make_unique<RasterSurface>(kSurfaceWidth, kSurfaceHeight);
    s->SetTextEngine(engine_);
    s->SetFont(Font(c));
    s->SetBackColor(0xFFFFFF);
    s->Cls();
    s->SetTextColor(0x000000);
    s->DrawText(c.caption, Rect{kLeft, kTop, kSurfaceWidth - kLeft, kSurfaceHeight - 2}, quillet::kDtSingleLine);
    return s;
  }
  static int Coverage(const RasterSurface& s, int x, int y) {
    if (x < 0 || y < 0 || x >= kSurfaceWidth || y >= kSurfaceHeight) return 0;
    return 255 - static_cast<int>(s.GetPixel(x, y) & 0xFF);
  }
  static int RecordedCoverage(const GdiText& r, int x, int y) {
    if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) return 0;
    const std::size_t at = 2 * (static_cast<std::size_t>(y - r.top) * (r.right - r.left) + (x - r.left));
    return static_cast<int>(std::strtol(std::string(r.coverage + at, 2).c_str(), nullptr, 16));
  }

  std::shared_ptr<quillet::FreeTypeTextEngine> engine_;
};

TEST_F(RasterText, ExtentsEqualGdisForEveryCaption) {
  const std::vector<TextCase> corpus = Corpus();
  for (std::size_t i = 0; i < corpus.size(); ++i) {
    const quillet::Size size = engine_->Measure(Font(corpus[i]), corpus[i].caption);
    EXPECT_EQ(size.cx, kRecord[i].cx) << "case " << i;
    EXPECT_EQ(size.cy, kRecord[i].cy) << "case " << i;
  }
}

// The drawn pixels lie in GDI's box give or take a pixel at each edge (the two rasterise the
// outlines with different hinting), and the coverage inside comes close.
TEST_F(RasterText, CaptionsLandInGdisBoxWithCloseCoverage) {
  const std::vector<TextCase> corpus = Corpus();
  long total_difference = 0, pixels = 0, close = 0;
  for (std::size_t i = 0; i < corpus.size(); ++i) {
    const GdiText& r = kRecord[i];
    const std::unique_ptr<RasterSurface> s = Draw(corpus[i]);
    int left = kSurfaceWidth, top = kSurfaceHeight, right = 0, bottom = 0;
    for (int y = 0; y < kSurfaceHeight; ++y)
      for (int x = 0; x < kSurfaceWidth; ++x)
        if (Coverage(*s, x, y) != 0) {
          left = std::min(left, x);
          top = std::min(top, y);
          right = std::max(right, x + 1);
          bottom = std::max(bottom, y + 1);
        }
    EXPECT_NEAR(left, r.left, 1) << "case " << i;
    EXPECT_NEAR(top, r.top, 1) << "case " << i;
    EXPECT_NEAR(right, r.right, 1) << "case " << i;
    EXPECT_NEAR(bottom, r.bottom, 1) << "case " << i;
    // Mean coverage difference over both boxes, with the raster's drawing moved by (dx, dy).
    auto mean_difference = [&](int dx, int dy, long* sum, long* n, long* near) {
      long difference = 0, count = 0;
      for (int y = std::min(top, r.top) - 1; y <= std::max(bottom, r.bottom); ++y)
        for (int x = std::min(left, r.left) - 1; x <= std::max(right, r.right); ++x) {
          const int d = std::abs(Coverage(*s, x - dx, y - dy) - RecordedCoverage(r, x, y));
          difference += d;
          if (near) *near += d <= 64;
          ++count;
        }
      if (sum) *sum = difference;
      if (n) *n = count;
      return static_cast<double>(difference) / count;
    };
    long difference = 0, count = 0;
    const double here = mean_difference(0, 0, &difference, &count, &close);
    std::printf("case %2zu: box raster %d,%d-%d,%d gdi %d,%d-%d,%d, mean coverage difference %.1f\n", i, left,
                top, right, bottom, r.left, r.top, r.right, r.bottom, here);
    // In place the two agree better than with either moved a pixel in any direction.
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        if (dx == 0 && dy == 0) continue;
        EXPECT_LT(here, mean_difference(dx, dy, nullptr, nullptr, nullptr))
            << "case " << i << " moved " << dx << "," << dy;
      }
    total_difference += difference;
    pixels += count;
  }
  std::printf("all captions: %ld pixels, mean coverage difference %.1f of 255, %.1f%% within 64\n", pixels,
              static_cast<double>(total_difference) / pixels, 100.0 * close / pixels);
  EXPECT_LT(static_cast<double>(total_difference) / pixels, 30.0);
}

}  // namespace
}  // namespace wendral::text_test
