// The same buttons driven through the same setters and input, drawn once by GDI on a
// memory DIB and once by the software raster (given Wine's system colours): every pixel
// inside the window region must agree. Captions are left out; the raster draws no text here.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "raster/memory_picture.h"
#include "raster/raster_surface.h"
#include "win32/gdi_picture.h"
#include "win32/gdi_surface.h"
#include "render_button.h"
#include "support/wine_system_colors.h"

namespace quillet::render {
namespace {

struct Rendering {
  std::int32_t width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::optional<RegionShape> region;
  Rect caption;
};

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

Rendering OnRaster(const RenderOptions& o, const Pictures& p) {
  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(o));
  host.Raster().SetSystemColors(WineSystemColors());
  DriveButton(host, o, {Memory(p.type, p.image), Memory(p.type, p.hover)});
  const RasterSurface& r = host.Raster();
  return {r.Width(), r.Height(), r.Pixels(), LastRegion(host), host.Control().CaptionFocusRect()};
}

Rendering OnGdi(const RenderOptions& o, const Pictures& p) {
  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(o));
  std::unique_ptr<GdiDibSurface> gdi;
  DriveButton(host, o, {Gdi(p.type, p.image), Gdi(p.type, p.hover)}, [&gdi](HeadlessHost& h) {
    gdi = GdiDibSurface::Create(h.Raster().Width(), h.Raster().Height());
    if (gdi) h.Recorder().SetInner(*gdi);
  });
  if (!gdi) return {};
  const std::uint32_t* bits = gdi->Pixels();
  return {gdi->Width(), gdi->Height(),
          std::vector<std::uint32_t>(bits, bits + static_cast<std::size_t>(gdi->Width()) * gdi->Height()),
          LastRegion(host), host.Control().CaptionFocusRect()};
}

long long compared_pixels = 0;
int compared_buttons = 0;

// Number of differing pixels inside the region, outside `skip`; reports the first few.
long Differences(const RenderOptions& o, const Pictures& p, const std::string& name, bool skip_caption = false) {
  const Rendering a = OnGdi(o, p), b = OnRaster(o, p);
  EXPECT_EQ(a.width, b.width) << name;
  EXPECT_EQ(a.height, b.height) << name;
  EXPECT_EQ(a.region, b.region) << name;
  if (a.pixels.empty() || a.width != b.width || a.height != b.height) return 1;
  const std::vector<std::uint8_t> rgba = ButtonRgba(a.pixels.data(), a.width, a.height, a.region);
  const Rect skip = skip_caption ? Rect{a.caption.left - 2, a.caption.top - 2, a.caption.right + 2,
                                        a.caption.bottom + 2}
                                 : Rect{};
  long diffs = 0;
  std::string report;
  for (std::int32_t y = 0; y < a.height; ++y)
    for (std::int32_t x = 0; x < a.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * a.width + x;
      if (rgba[4 * i + 3] == 0) continue;
      if (x >= skip.left && x < skip.right && y >= skip.top && y < skip.bottom) continue;
      ++compared_pixels;
      const std::uint32_t g = a.pixels[i] & 0xFFFFFF, r = b.pixels[i] & 0xFFFFFF;
      if (g != r && ++diffs <= 6) {
        char buf[80];
        std::snprintf(buf, sizeof buf, " (%d,%d) gdi %06x raster %06x;", x, y, g, r);
        report += buf;
      }
    }
  ++compared_buttons;
  EXPECT_EQ(diffs, 0) << name << report;
  return diffs;
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
  for (const auto& [size, colour] : shapes)
    for (Look look : {Look::Normal, Look::Hot, Look::Pressed})
      for (int bits = 0; bits < 32; ++bits) {
        RenderOptions o;
        o.width = size.cx;
        o.height = size.cy;
        o.back_color = colour;
        o.look = look;
        o.enabled = (bits & 1) == 0;
        o.focus = (bits & 2) != 0;
        o.display_as_default = (bits & 4) != 0;
        o.show_focus_rect = (bits & 8) != 0;
        o.active = (bits & 16) == 0;
        const std::string name = std::to_string(size.cx) + "x" + std::to_string(size.cy) + " look " +
                                 std::to_string(static_cast<int>(look)) + " bits " + std::to_string(bits);
        if (Differences(o, {}, name) > 0) return;
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
  std::printf("[caption] %d buttons, %lld pixels compared between GDI and the raster\n", compared_buttons,
              compared_pixels);
}

}  // namespace
}  // namespace quillet::render
