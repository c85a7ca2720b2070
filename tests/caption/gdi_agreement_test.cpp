// The navy frame and pictures drawn by GDI and by the raster through the same setters and
// input: every pixel inside the window region must agree. Captions are left out; the raster
// draws no text here.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "support/gdi_agreement.h"
#include "raster/memory_picture.h"
#include "win32/gdi_picture.h"

namespace quillet::testing {
namespace {

GdiAgreement agreement("caption");

struct Pictures {
  PictureType type = PictureType::None;
  PictureImage image, hover;
};

PicturePtr Memory(PictureType t, const PictureImage& i) {
  return i.width ? std::make_shared<MemoryPicture>(t, i) : nullptr;
}
PicturePtr Gdi(PictureType t, const PictureImage& i) {
  return i.width ? GdiPicture::FromImage(t, i) : nullptr;
}

long Differences(const RenderOptions& o, const Pictures& p, const std::string& name, bool skip_caption = false) {
  AgreementCase c{o};
  c.raster_pictures = {Memory(p.type, p.image), Memory(p.type, p.hover)};
  c.gdi_pictures = {Gdi(p.type, p.image), Gdi(p.type, p.hover)};
  c.skip_caption = skip_caption;
  return agreement.Differences(c, name);
}

PictureImage Pattern(std::int32_t w, std::int32_t h, std::uint32_t seed, bool mask) {
  PictureImage img;
  img.width = w;
  img.height = h;
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x) {
      const bool clear = mask && ((x - w / 2) * (x - w / 2) + (y - h / 2) * (y - h / 2) > w * h / 5);
      img.pixels.push_back(clear ? 0 : (seed + static_cast<std::uint32_t>(x) * 0x0B0705u +
                                        static_cast<std::uint32_t>(y) * 0x051309u) & 0xFFFFFF);
      if (mask) img.mask.push_back(clear ? 1 : 0);
    }
  return img;
}

TEST(GdiAgreement, NavyFrameInEveryLookStateSizeAndColour) {
  const std::pair<Size, Color> shapes[] = {
      {{100, 30}, 0xE7EBEC}, {{57, 21}, 0x3060C0}, {{160, 48}, 0x000000}, {{15, 15}, 0xFFFFFF}};
  const std::int32_t navy = RenderOptions{}.style;
  for (const auto& [size, colour] : shapes)
    for (Look look : {Look::Normal, Look::Hot, Look::Pressed})
      for (int bits = 0; bits < kChecked; ++bits) {
        const RenderOptions o = StateOptions(navy, size, colour, look, bits);
        if (Differences(o, {}, DescribeState(o, bits)) > 0) return;
      }
  RenderOptions checked;
  checked.checkbox = checked.value = true;
  Differences(checked, {}, "checked");
}

TEST(GdiAgreement, PicturesBitmapsIconsMaskColourHoverAndGrey) {
  Pictures bitmap{PictureType::Bitmap, Pattern(16, 16, 0x102030, false), Pattern(16, 16, 0x808080, false)};
  Pictures icon{PictureType::Icon, Pattern(16, 16, 0x204060, true), Pattern(16, 16, 0x605040, true)};
  const std::uint32_t mask = bitmap.image.pixels[3 * 16 + 5];
  for (const Pictures* p : {&bitmap, &icon})
    for (std::int32_t align = 0; align <= 8; ++align)
      for (std::int32_t size : {0, 3})
        for (int state = 0; state < 4; ++state) {
          // A masked copy reaching past the bitmap: Wine's TransparentBlt paints black there,
          // the raster leaves the surface alone; a crop is not what this compares.
          if (state == 3 && size != 0) continue;
          RenderOptions o;
          o.picture_align = align;
          o.picture_size = size;
          o.look = state == 1 ? Look::Hot : Look::Normal;
          o.enabled = state != 2;
          if (state == 3) {
            o.use_mask_color = true;
            o.mask_color = PixelToColor(mask);  // the COLORREF of that pixel
          }
          const std::string name = std::string(p == &icon ? "icon" : "bitmap") + " align " +
                                   std::to_string(align) + " size " + std::to_string(size) + " state " +
                                   std::to_string(state);
          if (Differences(o, *p, name) > 0) return;
        }
}

TEST(GdiAgreement, TheFrameAroundACaptionAgrees) {
  RenderOptions o;
  o.caption = u"\u786e\u8ba4\u4fee\u6539";
  o.focus = true;
  for (Look look : {Look::Normal, Look::Hot, Look::Pressed}) {
    o.look = look;
    Differences(o, {}, "caption look " + std::to_string(static_cast<int>(look)), true);
  }
  agreement.PrintTotals();
}

}  // namespace
}  // namespace quillet::testing
