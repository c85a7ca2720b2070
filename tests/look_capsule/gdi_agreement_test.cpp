// The capsule and side gradient looks drawn once by GDI on a memory DIB and once by the
// software raster (given Wine's system colours), through the same setters and input: every
// pixel inside the window region must agree. No captions.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "raster/raster_surface.h"
#include "win32/gdi_surface.h"
#include "render_button.h"
#include "support/wine_system_colors.h"

namespace quillet::render {
namespace {

struct Rendering {
  std::int32_t width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::optional<RegionShape> region;
};

Rendering OnRaster(const RenderOptions& o, Color form_colour) {
  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(o));
  host.SetAmbient("BackColor", static_cast<std::int32_t>(form_colour));
  host.Raster().SetSystemColors(WineSystemColors());
  DriveButton(host, o, {});
  const RasterSurface& r = host.Raster();
  return {r.Width(), r.Height(), r.Pixels(), LastRegion(host)};
}

Rendering OnGdi(const RenderOptions& o, Color form_colour) {
  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(o));
  host.SetAmbient("BackColor", static_cast<std::int32_t>(form_colour));
  std::unique_ptr<GdiDibSurface> gdi;
  DriveButton(host, o, {}, [&gdi](HeadlessHost& h) {
    gdi = GdiDibSurface::Create(h.Raster().Width(), h.Raster().Height());
    if (gdi) h.Recorder().SetInner(*gdi);
  });
  if (!gdi) return {};
  const std::uint32_t* bits = gdi->Pixels();
  return {gdi->Width(), gdi->Height(),
          std::vector<std::uint32_t>(bits, bits + static_cast<std::size_t>(gdi->Width()) * gdi->Height()),
          LastRegion(host)};
}

long long compared_pixels = 0;
int compared_buttons = 0;

long Differences(const RenderOptions& o, Color form_colour, const std::string& name) {
  const Rendering a = OnGdi(o, form_colour), b = OnRaster(o, form_colour);
  EXPECT_EQ(a.width, b.width) << name;
  EXPECT_EQ(a.height, b.height) << name;
  EXPECT_EQ(a.region, b.region) << name;
  if (a.pixels.empty() || a.width != b.width || a.height != b.height) return 1;
  const std::vector<std::uint8_t> rgba = ButtonRgba(a.pixels.data(), a.width, a.height, a.region);
  long diffs = 0;
  std::string report;
  for (std::int32_t y = 0; y < a.height; ++y)
    for (std::int32_t x = 0; x < a.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * a.width + x;
      if (rgba[4 * i + 3] == 0) continue;
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

// Every look and state: three looks times enabled, focus, default, focus rectangle, active
// form and checked, at each size and base colour.
void EveryLook(std::int32_t style, Color form_colour) {
  const Size sizes[] = {{15, 15}, {57, 21}, {169, 33}, {400, 120}, {100, 30}, {44, 23}};
  const Color colours[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00C0FF, 0x8000000F, 0x80000005};
  int variant = 0;
  for (const Size& size : sizes)
    for (Look look : {Look::Normal, Look::Hot, Look::Pressed})
      for (int bits = 0; bits < 64; ++bits) {
        RenderOptions o;
        o.style = style;
        o.width = size.cx;
        o.height = size.cy;
        o.back_color = colours[variant++ % 6];
        o.look = look;
        o.enabled = (bits & 1) == 0;
        o.focus = (bits & 2) != 0;
        o.display_as_default = (bits & 4) != 0;
        o.show_focus_rect = (bits & 8) == 0;
        o.active = (bits & 16) == 0;
        o.checkbox = o.value = (bits & 32) != 0;
        const std::string name = "style " + std::to_string(style) + " " + std::to_string(size.cx) + "x" +
                                 std::to_string(size.cy) + " look " + std::to_string(static_cast<int>(look)) +
                                 " bits " + std::to_string(bits) + " form " + std::to_string(form_colour);
        if (Differences(o, form_colour, name) > 0) return;
      }
}

// The capsule's corners show the form's colour: a system colour and a plain one.
TEST(LookCapsuleGdiAgreement, CapsuleInEveryLookStateSizeAndColour) {
  EveryLook(14, 0x8000000F);
  EveryLook(14, 0x3070B0);
}

TEST(LookCapsuleGdiAgreement, SideGradientInEveryLookStateSizeAndColour) { EveryLook(15, 0x8000000F); }

TEST(LookCapsuleGdiAgreement, Totals) {
  std::printf("[look_capsule] %d buttons, %lld pixels compared between GDI and the raster\n",
              compared_buttons, compared_pixels);
  EXPECT_GT(compared_buttons, 0);
}

}  // namespace
}  // namespace quillet::render
