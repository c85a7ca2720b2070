// Under Wine: styles 8, 9, 10 and 13 driven through the same setters and input twice, drawn
// once by GDI on a memory DIB and once by the software raster (with Wine's system colours).
// Every pixel inside the window region must agree, in every look and state, at the 15x15
// minimum, odd and wide sizes, and on dark, light, saturated and system BackColors.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "raster/raster_surface.h"
#include "win32/gdi_surface.h"
#include "render_button.h"
#include "support/wine_system_colors.h"

namespace quillet::render {
namespace {

using Afterwards = std::function<void(HeadlessHost&)>;

struct Rendering {
  std::int32_t width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::optional<RegionShape> region;
  Rect caption;
};

Rendering Capture(HeadlessHost& host, const std::uint32_t* bits, std::int32_t w, std::int32_t h) {
  return {w, h, std::vector<std::uint32_t>(bits, bits + static_cast<std::size_t>(w) * h), LastRegion(host),
          host.Control().CaptionFocusRect()};
}

Rendering OnRaster(const RenderOptions& o, const Afterwards& after) {
  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(o));
  host.Raster().SetSystemColors(WineSystemColors());
  DriveButton(host, o, {});
  if (after) after(host);
  const RasterSurface& r = host.Raster();
  return Capture(host, r.Pixels().data(), r.Width(), r.Height());
}

Rendering OnGdi(const RenderOptions& o, const Afterwards& after) {
  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(o));
  std::unique_ptr<GdiDibSurface> gdi;
  DriveButton(host, o, {}, [&gdi](HeadlessHost& h) {
    gdi = GdiDibSurface::Create(h.Raster().Width(), h.Raster().Height());
    if (gdi) h.Recorder().SetInner(*gdi);
  });
  if (!gdi) return {};
  if (after) after(host);
  return Capture(host, gdi->Pixels(), gdi->Width(), gdi->Height());
}

long long compared_pixels = 0;
int compared_buttons = 0;

// Differing pixels inside the region (and outside the caption when there is one).
long Differences(const RenderOptions& o, const std::string& name, const Afterwards& after = {}) {
  const Rendering a = OnGdi(o, after), b = OnRaster(o, after);
  EXPECT_EQ(a.width, b.width) << name;
  EXPECT_EQ(a.height, b.height) << name;
  EXPECT_EQ(a.region, b.region) << name;
  if (a.pixels.empty() || a.width != b.width || a.height != b.height) return 1;
  const std::vector<std::uint8_t> rgba = ButtonRgba(a.pixels.data(), a.width, a.height, a.region);
  const Rect skip = o.caption.empty() ? Rect{}
                                      : Rect{a.caption.left - 2, a.caption.top - 2, a.caption.right + 2,
                                             a.caption.bottom + 2};
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
        char text[80];
        std::snprintf(text, sizeof text, " (%d,%d) gdi %06x raster %06x;", x, y, g, r);
        report += text;
      }
    }
  ++compared_buttons;
  EXPECT_EQ(diffs, 0) << name << report;
  return diffs;
}

constexpr std::int32_t kStyles[] = {8, 9, 10, 13};
const Size kSizes[] = {{15, 15}, {57, 21}, {169, 33}, {400, 120}};
// Unset: the style's own default. Then black, white, saturated, button face, window.
const std::optional<Color> kColours[] = {std::nullopt, 0x000000,   0xFFFFFF,  0x3060C0,
                                         0x00FF00,     0x8000000F, 0x80000005};

// Bits of a state: 1 disabled, 2 focused, 4 default, 8 focus rectangle asked for,
// 16 inactive form, 32 checked (check-box mode with Value set).
RenderOptions Options(std::int32_t style, Size size, std::optional<Color> colour, Look look, int bits) {
  RenderOptions o;
  o.style = style;
  o.width = size.cx;
  o.height = size.cy;
  o.back_color = colour;
  o.look = look;
  o.enabled = (bits & 1) == 0;
  o.focus = (bits & 2) != 0;
  o.display_as_default = (bits & 4) != 0;
  o.show_focus_rect = (bits & 8) != 0;
  o.active = (bits & 16) == 0;
  o.checkbox = o.value = (bits & 32) != 0;
  return o;
}

std::string Name(const RenderOptions& o, int bits) {
  char text[96];
  std::snprintf(text, sizeof text, "style %d %dx%d colour %s%08X look %d bits %d", o.style, o.width, o.height,
                o.back_color ? "" : "default ", o.back_color.value_or(0), static_cast<int>(o.look), bits);
  return text;
}

TEST(GlassLooksAgainstGdi, EveryStyleInEveryLookStateSizeAndColour) {
  // Every combination of the six state bits on the two small sizes; on the larger ones the
  // states that lead to a different path through a renderer.
  const int some[] = {0, 1, 2 | 8, 4 | 8, 2 | 8 | 16, 32, 32 | 1, 32 | 2 | 4 | 8 | 16};
  for (std::int32_t style : kStyles)
    for (const Size& size : kSizes)
      for (const std::optional<Color>& colour : kColours)
        for (Look look : {Look::Normal, Look::Hot, Look::Pressed}) {
          std::vector<int> states;
          if (size.cx < 100)
            for (int bits = 0; bits < 64; ++bits) states.push_back(bits);
          else
            states.assign(std::begin(some), std::end(some));
          for (int bits : states) {
            const RenderOptions o = Options(style, size, colour, look, bits);
            if (Differences(o, Name(o, bits)) > 0) return;
          }
        }
}

TEST(GlassLooksAgainstGdi, DisabledUnderThePointerAndCheckedLooksAfterInput) {
  // Disabling a hot or pressed button keeps its look; moving off a checked one changes it.
  for (std::int32_t style : kStyles)
    for (const Size& size : kSizes)
      for (Look look : {Look::Hot, Look::Pressed})
        for (bool checked : {false, true}) {
          RenderOptions o = Options(style, size, 0x3060C0, look, checked ? 32 : 0);
          Differences(o, Name(o, 100) + " then disabled", [](HeadlessHost& h) { h.Control().Enabled(false); });
          Differences(o, Name(o, 100) + " then away", [](HeadlessHost& h) {
            h.MovePointerAway();
            h.PaintNow();
          });
        }
}

TEST(GlassLooksAgainstGdi, TheFaceAroundACaptionAgrees) {
  for (std::int32_t style : kStyles)
    for (Look look : {Look::Normal, Look::Hot, Look::Pressed}) {
      RenderOptions o = Options(style, {100, 30}, std::nullopt, look, 2);
      o.caption = u"\u786e\u8ba4\u4fee\u6539";
      Differences(o, Name(o, 2) + " captioned");
    }
  std::printf("[look_glass] %d buttons, %lld pixels compared between GDI and the raster\n", compared_buttons,
              compared_pixels);
}

}  // namespace
}  // namespace quillet::render
