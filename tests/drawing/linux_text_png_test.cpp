// FreeType text and PNG output of the software raster (native only).
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "raster/freetype_text.h"
#include "raster/png_writer.h"
#include "raster/raster_surface.h"

namespace quillet {
namespace {

int CountNot(const RasterSurface& s, Color background, const Rect& area) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (s.GetPixel(x, y) != background) ++n;
  return n;
}

TEST(FreeTypeText, MeasuresChineseWiderThanLatin) {
  auto engine = FreeTypeTextEngine::Create();
  ASSERT_NE(engine, nullptr);
  FontDescription font;  // 12-pixel em
  const Size cjk = engine->Measure(font, u"\u786e\u8ba4");  // 确认
  const Size latin = engine->Measure(font, u"ii");
  EXPECT_GE(cjk.cx, 2 * 10);
  EXPECT_LT(latin.cx, cjk.cx);
  EXPECT_GE(cjk.cy, 12);
  font.height = -24;
  EXPECT_GT(engine->Measure(font, u"\u786e\u8ba4").cx, cjk.cx);
}

TEST(FreeTypeText, DrawsInsideItsRectangleWithTheAccessKeyUnderlined) {
  auto engine = FreeTypeTextEngine::Create();
  ASSERT_NE(engine, nullptr);
  RasterSurface s(80, 30);
  s.SetTextEngine(engine);
  s.SetBackColor(0xFFFFFF);
  s.Cls();
  s.SetTextColor(0x0000FF);
  const Size size = s.MeasureText(u"&OK");
  const Rect r{10, 5, 10 + size.cx, 5 + size.cy};
  s.DrawText(u"&OK", r, kDtSingleLine);
  EXPECT_GT(CountNot(s, 0xFFFFFF, r), 10);
  EXPECT_EQ(CountNot(s, 0xFFFFFF, Rect{0, 0, 80, 30}), CountNot(s, 0xFFFFFF, r));
  // Some pixel is pure text colour: the underline under "O" is fully covered.
  int solid = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) solid += s.GetPixel(x, y) == 0x0000FFu;
  EXPECT_GT(solid, 3);

  RasterSurface plain(80, 30);
  plain.SetTextEngine(engine);
  plain.SetBackColor(0xFFFFFF);
  plain.Cls();
  plain.DrawText(u"&OK", r, kDtSingleLine | kDtNoPrefix);  // "&" drawn, no underline
  EXPECT_NE(CountNot(plain, 0xFFFFFF, r), CountNot(s, 0xFFFFFF, r));
}

// The edges of a glyph mix text and background rounded to nearest. White on black shows each
// pixel's coverage c unchanged; the same text in another colour on another background must
// then give round((text * c + back * (255 - c)) / 255) in every channel of every pixel.
TEST(FreeTypeText, EdgePixelsBlendRoundedToNearest) {
  auto engine = FreeTypeTextEngine::Create();
  ASSERT_NE(engine, nullptr);
  const std::u16string caption = u"W&ave \u786e\u8ba4 sg";
  auto draw = [&](Color text, Color back) {
    auto s = std::make_unique<RasterSurface>(120, 30);
    s->SetTextEngine(engine);
    s->SetBackColor(back);
    s->Cls();
    s->SetTextColor(text);
    s->DrawText(caption, Rect{3, 4, 117, 28}, kDtSingleLine);
    return s;
  };
  const auto coverage = draw(0xFFFFFF, 0x000000);
  const Color text = 0x0A64C8, back = 0x805020;
  const auto coloured = draw(text, back);
  int partial = 0, wrong = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 120; ++x) {
      const Color cov = coverage->GetPixel(x, y), got = coloured->GetPixel(x, y);
      for (int shift = 0; shift < 24; shift += 8) {
        const int c = static_cast<int>((cov >> shift) & 0xFF);
        const int t = static_cast<int>((text >> shift) & 0xFF), b = static_cast<int>((back >> shift) & 0xFF);
        const double exact = (t * c + b * (255 - c)) / 255.0;
        const int want = static_cast<int>(exact + 0.5);
        if (c > 0 && c < 255 && want != static_cast<int>(exact)) ++partial;  // truncation would differ
        if (static_cast<int>((got >> shift) & 0xFF) != want) ++wrong;
      }
    }
  EXPECT_GT(partial, 20);
  EXPECT_EQ(wrong, 0);
}

TEST(PngWriter, PixelsOutsideTheRegionAreTransparent) {
  RasterSurface s(30, 20);
  s.SetWindowRegion(RegionShape::FromRoundRect(0, 0, 31, 21, 18, 18));
  s.SetBackColor(0x3060C0);
  s.Cls();
  const std::string path = ::testing::TempDir() + "drawing_region.png";
  ASSERT_TRUE(WritePng(s, path));

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
  image.format = PNG_FORMAT_RGBA;
  std::vector<png_byte> buffer(PNG_IMAGE_SIZE(image));
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr));
  EXPECT_EQ(image.width, 30u);
  EXPECT_EQ(image.height, 20u);
  auto px = [&](int x, int y) { return buffer.data() + (static_cast<std::size_t>(y) * 30 + x) * 4; };
  EXPECT_EQ(px(0, 0)[3], 0);
  EXPECT_EQ(px(15, 10)[3], 255);
  EXPECT_EQ(px(15, 10)[0], 0xC0);  // red channel of 0x3060C0
  EXPECT_EQ(px(15, 10)[2], 0x30);
  std::remove(path.c_str());
}

}  // namespace
}  // namespace quillet
