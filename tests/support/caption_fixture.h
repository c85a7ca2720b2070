// A headless button on the software raster with a text engine that measures every caption
// at a fixed size and writes down where it was asked to draw.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "button/primitives.h"
#include "button/quillet_button.h"
#include "headless/headless_host.h"
#include "raster/memory_picture.h"

namespace quillet::testing {

struct DrawnText {
  std::u16string text;
  std::int32_t x, y;
  Color color;
  std::int32_t underline;
};

class FixedSizeText : public RasterTextEngine {
 public:
  Size size{40, 13};
  std::vector<DrawnText> drawn;
  Size Measure(const FontDescription&, std::u16string_view) override { return size; }
  void Draw(RasterSurface&, const FontDescription&, std::u16string_view text, std::int32_t x,
            std::int32_t y, Color color, std::int32_t underline, const Rect&) override {
    drawn.push_back(DrawnText{std::u16string(text), x, y, color, underline});
  }
};

// A picture whose every pixel differs from its neighbours, so a shifted or scaled copy shows.
inline PicturePtr PatternPicture(PictureType type, std::int32_t w, std::int32_t h,
                                 std::uint32_t seed = 0x102030) {
  PictureImage image;
  image.width = w;
  image.height = h;
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x)
      image.pixels.push_back((seed + static_cast<std::uint32_t>(x) * 0x0B0705u +
                              static_cast<std::uint32_t>(y) * 0x051309u) & 0xFFFFFF);
  if (type == PictureType::Icon) image.mask.assign(image.pixels.size(), 0);
  return std::make_shared<MemoryPicture>(type, std::move(image));
}

class CaptionTest : public ::testing::Test {
 protected:
  explicit CaptionTest(std::int32_t w = 100, std::int32_t h = 30)
      : host(form, HeadlessPlacement{20, 20, w * 15, h * 15}) {
    host.Raster().SetTextEngine(text);
    host.Create();
    host.Load(PersistedPropertySet{});
  }

  QuilletButton& Button() { return host.Control(); }
  Color At(std::int32_t x, std::int32_t y) { return host.Raster().GetPixel(x, y) & 0xFFFFFF; }
  const DrawnText& LastText() {
    EXPECT_FALSE(text->drawn.empty());
    return text->drawn.back();
  }

  HeadlessForm form;
  HeadlessHost host;
  std::shared_ptr<FixedSizeText> text = std::make_shared<FixedSizeText>();
};

}  // namespace quillet::testing
