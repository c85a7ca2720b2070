// Styles 5, 6 and 7 driven through the same setters and input, drawn once by GDI on a
// memory DIB and once by the software raster (given Wine's system colours): every pixel
// inside the window region must agree, in every look and state, at the smallest size, odd
// sizes and large ones, on black, white, saturated and system colours.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
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

struct Rendering {
  std::int32_t width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::optional<RegionShape> region;
  Rect caption_focus;
  std::int32_t draw_mode = 0;
};

// The containing form's colour; varied so the drop shadow's surroundings show it.
struct Setup {
  RenderOptions options;
  Color form_color = 0x8000000F;
};

// Text measured by GDI and never drawn: the raster then lays the caption out exactly as
// GDI does, so style 6's focus rectangle round the caption lands on the same pixels. The
// captions below are spaces, which GDI draws as nothing either.
class GdiMeasuredText : public RasterTextEngine {
 public:
  Size Measure(const FontDescription& font, std::u16string_view text) override {
    if (!gdi_) return Size{};
    if (!(gdi_->Font() == font)) gdi_->SetFont(font);
    return gdi_->MeasureText(text);
  }
  void Draw(RasterSurface&, const FontDescription&, std::u16string_view, std::int32_t, std::int32_t, Color,
            std::int32_t, const Rect&) override {}

 private:
  std::unique_ptr<GdiDibSurface> gdi_ = GdiDibSurface::Create(1, 1);
};

Rendering OnRaster(const Setup& s) {
  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(s.options));
  host.SetAmbient("BackColor", static_cast<std::int32_t>(s.form_color));
  host.Raster().SetSystemColors(WineSystemColors());
  host.Raster().SetTextEngine(std::make_shared<GdiMeasuredText>());
  DriveButton(host, s.options, {});
  const RasterSurface& r = host.Raster();
  return {r.Width(), r.Height(), r.Pixels(), LastRegion(host), host.Control().CaptionFocusRect(), r.DrawMode()};
}

Rendering OnGdi(const Setup& s) {
  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(s.options));
  host.SetAmbient("BackColor", static_cast<std::int32_t>(s.form_color));
  std::unique_ptr<GdiDibSurface> gdi;
  DriveButton(host, s.options, {}, [&gdi](HeadlessHost& h) {
    gdi = GdiDibSurface::Create(h.Raster().Width(), h.Raster().Height());
    if (gdi) h.Recorder().SetInner(*gdi);
  });
  if (!gdi) return {};
  const std::uint32_t* bits = gdi->Pixels();
  return {gdi->Width(),
          gdi->Height(),
          std::vector<std::uint32_t>(bits, bits + static_cast<std::size_t>(gdi->Width()) * gdi->Height()),
          LastRegion(host),
          host.Control().CaptionFocusRect(),
          gdi->DrawMode()};
}

long long compared_pixels = 0;
int compared_buttons = 0;

// Differing pixels inside the region; reports the first few.
long Differences(const Setup& s, const std::string& name) {
  const Rendering a = OnGdi(s), b = OnRaster(s);
  EXPECT_EQ(a.width, b.width) << name;
  EXPECT_EQ(a.height, b.height) << name;
  EXPECT_EQ(a.region, b.region) << name;
  EXPECT_EQ(a.draw_mode, b.draw_mode) << name;
  // Style 6 draws its focus rectangle round the caption: both must place it alike. (Style 5
  // never writes it, so there it keeps whatever the load left.)
  if (s.options.style == 6) EXPECT_EQ(a.caption_focus, b.caption_focus) << name;
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

// The states each look is drawn in: resting, disabled, focused with and without the dotted
// rectangle, default without the focus, focused in an inactive form.
struct State {
  const char* name;
  bool enabled, focus, is_default, show_focus_rect, active;
};
constexpr State kStates[] = {
    {"plain", true, false, false, false, true},     {"disabled", false, false, false, true, true},
    {"focus", true, true, false, true, true},       {"focus-no-rect", true, true, false, false, true},
    {"default", true, false, true, true, true},     {"inactive", true, true, true, true, false},
    {"disabled-focus", false, true, false, true, true},
};

void AllLooksOfStyle(std::int32_t style) {
  const Size sizes[] = {{15, 15}, {57, 21}, {169, 33}, {400, 120}};
  const std::optional<Color> colours[] = {std::nullopt, 0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00,
                                          0xFF00FF,     0x3366CC, 0x8000000F, 0x80000005};
  const Color forms[] = {0x8000000F, 0x00C0FF, 0x80000005};
  int form_index = 0;
  for (const Size& size : sizes)
    for (const std::optional<Color>& colour : colours) {
      Setup s;
      s.form_color = forms[form_index++ % 3];
      RenderOptions& o = s.options;
      o.style = style;
      o.width = size.cx;
      o.height = size.cy;
      o.back_color = colour;
      o.caption = std::u16string(static_cast<std::size_t>(size.cx / 20), u' ');
      const std::string base = "style " + std::to_string(style) + " " + std::to_string(size.cx) + "x" +
                               std::to_string(size.cy) + " colour " +
                               (colour ? std::to_string(*colour) : std::string("default"));
      for (Look look : {Look::Normal, Look::Hot, Look::Pressed})
        for (const State& st : kStates) {
          o.look = look;
          o.enabled = st.enabled;
          o.focus = st.focus;
          o.display_as_default = st.is_default;
          o.show_focus_rect = st.show_focus_rect;
          o.active = st.active;
          if (Differences(s, base + " look " + std::to_string(static_cast<int>(look)) + " " + st.name) > 0)
            return;
        }
      // Check-box mode with Value set, resting and under the pointer, enabled and not.
      o.checkbox = o.value = true;
      o.focus = o.display_as_default = false;
      o.active = true;
      for (Look look : {Look::Normal, Look::Hot})
        for (bool enabled : {true, false}) {
          o.look = look;
          o.enabled = enabled;
          if (Differences(s, base + " checked look " + std::to_string(static_cast<int>(look)) +
                                 (enabled ? "" : " disabled")) > 0)
            return;
        }
    }
}

TEST(LookGlossGdiAgreement, DropShadow) { AllLooksOfStyle(5); }
TEST(LookGlossGdiAgreement, TwoToneGloss) { AllLooksOfStyle(6); }
TEST(LookGlossGdiAgreement, AmberGloss) {
  AllLooksOfStyle(7);
  std::printf("[look_gloss] %d buttons, %lld pixels compared between GDI and the raster\n", compared_buttons,
              compared_pixels);
}

}  // namespace
}  // namespace quillet::render
