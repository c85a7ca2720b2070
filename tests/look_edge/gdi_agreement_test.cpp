// Styles 0, 1, 3, 4, 11 and 12 driven through the same setters and input, drawn once by
// GDI on a memory DIB and once by the software raster (given Wine's system colours): every
// pixel inside the window region must agree, in every look and state, at sizes from the
// 15x15 minimum to 400x120 and on black, white, saturated and system colours.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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

// After the tool's own driving: the form switched to design time, repainted.
struct Extra {
  bool design_time = false;
};

void Finish(HeadlessHost& host, const Extra& extra) {
  if (!extra.design_time) return;
  host.SetAmbient("UserMode", false);
  host.PaintNow();
}

Rendering OnRaster(const RenderOptions& o, const Extra& extra) {
  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(o));
  host.Raster().SetSystemColors(WineSystemColors());
  DriveButton(host, o, {});
  Finish(host, extra);
  const RasterSurface& r = host.Raster();
  return {r.Width(), r.Height(), r.Pixels(), LastRegion(host)};
}

Rendering OnGdi(const RenderOptions& o, const Extra& extra) {
  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(o));
  std::unique_ptr<GdiDibSurface> gdi;
  DriveButton(host, o, {}, [&gdi](HeadlessHost& h) {
    gdi = GdiDibSurface::Create(h.Raster().Width(), h.Raster().Height());
    if (gdi) h.Recorder().SetInner(*gdi);
  });
  Finish(host, extra);
  if (!gdi) return {};
  const std::uint32_t* bits = gdi->Pixels();
  return {gdi->Width(), gdi->Height(),
          std::vector<std::uint32_t>(bits, bits + static_cast<std::size_t>(gdi->Width()) * gdi->Height()),
          LastRegion(host)};
}

long long compared_pixels = 0;
int compared_buttons = 0;

// Differing pixels inside the region; reports the first few.
long Differences(const RenderOptions& o, const Extra& extra, const std::string& name) {
  const Rendering a = OnGdi(o, extra), b = OnRaster(o, extra);
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

constexpr std::int32_t kStyles[] = {0, 1, 3, 4, 11, 12};

std::string Describe(const RenderOptions& o, const Extra& e, int bits) {
  char text[160];
  std::snprintf(text, sizeof text, "style %d %dx%d back %08x look %d bits %d%s", o.style, o.width, o.height,
                o.back_color ? *o.back_color : 0u, static_cast<int>(o.look), bits,
                e.design_time ? " design" : "");
  return text;
}

// Every combination of look and state: enabled, focus, default, dotted rectangle, active
// form, checked, design time.
bool EveryState(std::int32_t style, Size size, Color back) {
  for (Look look : {Look::Normal, Look::Hot, Look::Pressed})
    for (int bits = 0; bits < 128; ++bits) {
      RenderOptions o;
      o.style = style;
      o.width = size.cx;
      o.height = size.cy;
      o.back_color = back;
      o.look = look;
      o.enabled = (bits & 1) == 0;
      o.focus = (bits & 2) != 0;
      o.display_as_default = (bits & 4) != 0;
      o.show_focus_rect = (bits & 8) != 0;
      o.active = (bits & 16) == 0;
      o.checkbox = o.value = (bits & 32) != 0;
      const Extra e{(bits & 64) != 0};
      if (Differences(o, e, Describe(o, e, bits)) > 0) return false;
    }
  return true;
}

// The named looks: normal, hot, pressed, focused, default, checked (at rest, hot, held),
// disabled, inactive, design time.
bool NamedLooks(std::int32_t style, Size size, Color back) {
  struct Case {
    Look look;
    bool enabled, focus, def, rect, active, checked, design;
  };
  const Case cases[] = {
      {Look::Normal, true, false, false, false, true, false, false},
      {Look::Hot, true, false, false, false, true, false, false},
      {Look::Pressed, true, false, false, false, true, false, false},
      {Look::Normal, true, true, false, true, true, false, false},
      {Look::Hot, true, true, false, true, true, false, false},
      {Look::Normal, true, false, true, true, true, false, false},
      {Look::Normal, true, true, false, true, true, true, false},
      {Look::Hot, true, false, false, false, true, true, false},
      {Look::Pressed, true, false, false, false, true, true, false},
      {Look::Normal, false, false, false, false, true, false, false},
      {Look::Normal, true, true, true, true, false, false, false},
      {Look::Normal, true, true, true, true, true, false, true},
  };
  int index = 0;
  for (const Case& c : cases) {
    RenderOptions o;
    o.style = style;
    o.width = size.cx;
    o.height = size.cy;
    o.back_color = back;
    o.look = c.look;
    o.enabled = c.enabled;
    o.focus = c.focus;
    o.display_as_default = c.def;
    o.show_focus_rect = c.rect;
    o.active = c.active;
    o.checkbox = o.value = c.checked;
    const Extra e{c.design};
    if (Differences(o, e, Describe(o, e, 1000 + index++)) > 0) return false;
  }
  return true;
}

TEST(LookEdgeGdiAgreement, EveryStateOnTwoShapes) {
  for (std::int32_t style : kStyles) {
    if (!EveryState(style, {57, 21}, 0x3060C0)) return;
    if (!EveryState(style, {15, 15}, 0x8000000F)) return;
  }
}

TEST(LookEdgeGdiAgreement, NamedLooksOnEverySizeAndColour) {
  const Size sizes[] = {{15, 15}, {57, 21}, {169, 33}, {400, 120}, {32, 77}};
  const Color colours[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF00FF, 0x3060C0,
                           0x8000000F, 0x80000005, 0xE3E3E3};
  for (std::int32_t style : kStyles)
    for (const Size& size : sizes)
      for (Color colour : colours)
        if (!NamedLooks(style, size, colour)) return;
  std::printf("[look_edge] %d buttons, %lld pixels compared between GDI and the raster\n", compared_buttons,
              compared_pixels);
}

}  // namespace
}  // namespace quillet::render
