// A button driven through the same setters and input twice, drawn once by GDI on a memory
// DIB and once by the software raster (given Wine's system colours), and the two held
// against each other: size, window region, draw mode and every pixel inside the region.
// Each agreement suite supplies only its own styles, sizes, colours and states.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "raster/raster_surface.h"
#include "render_button.h"
#include "support/pixel_difference.h"
#include "support/wine_system_colors.h"
#include "win32/gdi_surface.h"

namespace quillet::testing {

using render::Look;
using render::RenderOptions;

// Bits of a state, as the suites enumerate them.
enum StateBits : int {
  kDisabled = 1,
  kFocused = 2,
  kDefault = 4,
  kFocusRect = 8,  // ShowFocusRect asked for
  kInactive = 16,  // the containing form not active
  kChecked = 32,   // check-box mode with Value set
};

inline RenderOptions StateOptions(std::int32_t style, Size size, std::optional<Color> back, Look look, int bits) {
  RenderOptions o;
  o.style = style;
  o.width = size.cx;
  o.height = size.cy;
  o.back_color = back;
  o.look = look;
  o.enabled = (bits & kDisabled) == 0;
  o.focus = (bits & kFocused) != 0;
  o.display_as_default = (bits & kDefault) != 0;
  o.show_focus_rect = (bits & kFocusRect) != 0;
  o.active = (bits & kInactive) == 0;
  o.checkbox = o.value = (bits & kChecked) != 0;
  return o;
}

// "style 6 57x21 back 003060C0 look 1 bits 42" (back "default" where the style's own).
inline std::string DescribeState(const RenderOptions& o, int bits) {
  char text[120];
  std::snprintf(text, sizeof text, "style %d %dx%d back %s%08X look %d bits %d", o.style, o.width, o.height,
                o.back_color ? "" : "default ", o.back_color.value_or(0), static_cast<int>(o.look), bits);
  return text;
}

// Text measured by GDI and never drawn: the raster then lays a caption out exactly as GDI
// does, so whatever is placed round the caption lands on the same pixels. Captions of
// spaces are drawn by neither.
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

struct AgreementCase {
  explicit AgreementCase(RenderOptions o) : options(std::move(o)) {}

  RenderOptions options;
  // The containing form's BackColor; unset, the headless form's own.
  std::optional<Color> form_color;
  // Each surface's own pictures of the same images.
  render::ButtonPictures raster_pictures, gdi_pictures;
  // Runs on both hosts after the driving, before the pixels are read.
  std::function<void(HeadlessHost&)> afterwards;
  // The caption and two pixels round it are left out (the raster draws text of its own).
  bool skip_caption = false;
  bool measure_text_with_gdi = false;
  // Where the control placed its focus rectangle round the caption must agree too.
  bool compare_caption_focus = false;
};

class GdiAgreement {
 public:
  explicit GdiAgreement(std::string suite) : suite_(std::move(suite)) {}

  // Pixels that differ inside the window region (outside the caption where skipped); any
  // difference fails the running test, listing the first few.
  long Differences(const AgreementCase& c, const std::string& name) {
    const Rendering a = OnGdi(c), b = OnRaster(c);
    EXPECT_EQ(a.width, b.width) << name;
    EXPECT_EQ(a.height, b.height) << name;
    EXPECT_EQ(a.region, b.region) << name;
    EXPECT_EQ(a.draw_mode, b.draw_mode) << name;
    if (c.compare_caption_focus) {
      EXPECT_EQ(a.caption_focus, b.caption_focus) << name;
    }
    if (a.pixels.empty() || a.width != b.width || a.height != b.height) return 1;
    const std::vector<std::uint8_t> rgba = render::ButtonRgba(a.pixels.data(), a.width, a.height, a.region);
    const Rect skip = c.skip_caption ? Rect{a.caption_focus.left - 2, a.caption_focus.top - 2,
                                            a.caption_focus.right + 2, a.caption_focus.bottom + 2}
                                     : Rect{};
    const PixelDifference d =
        ComparePixels(a.pixels.data(), b.pixels.data(), a.width, a.height, [&](std::int32_t x, std::int32_t y) {
          return rgba[4 * (static_cast<std::size_t>(y) * a.width + x) + 3] != 0 &&
                 !(x >= skip.left && x < skip.right && y >= skip.top && y < skip.bottom);
        });
    ++buttons_;
    pixels_ += d.compared;
    EXPECT_EQ(d.count, 0) << name << d.report;
    return d.count;
  }

  int Buttons() const { return buttons_; }
  void PrintTotals() const {
    std::printf("[%s] %d buttons, %lld pixels compared between GDI and the raster\n", suite_.c_str(), buttons_,
                pixels_);
  }

 private:
  struct Rendering {
    std::int32_t width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    std::optional<RegionShape> region;
    Rect caption_focus;
    std::int32_t draw_mode = 0;
  };

  static void Prepare(HeadlessHost& host, const AgreementCase& c) {
    if (c.form_color) host.SetAmbient("BackColor", static_cast<std::int32_t>(*c.form_color));
  }
  static Rendering Read(HeadlessHost& host, const std::uint32_t* bits, std::int32_t w, std::int32_t h,
                        std::int32_t draw_mode) {
    return {w, h, std::vector<std::uint32_t>(bits, bits + static_cast<std::size_t>(w) * h),
            render::LastRegion(host), host.Control().CaptionFocusRect(), draw_mode};
  }

  static Rendering OnRaster(const AgreementCase& c) {
    HeadlessForm form;
    HeadlessHost host(form, render::PlacementFor(c.options));
    Prepare(host, c);
    host.Raster().SetSystemColors(WineSystemColors());
    if (c.measure_text_with_gdi) host.Raster().SetTextEngine(std::make_shared<GdiMeasuredText>());
    render::DriveButton(host, c.options, c.raster_pictures);
    if (c.afterwards) c.afterwards(host);
    const RasterSurface& r = host.Raster();
    return Read(host, r.Pixels().data(), r.Width(), r.Height(), r.DrawMode());
  }

  static Rendering OnGdi(const AgreementCase& c) {
    HeadlessForm form;
    HeadlessHost host(form, render::PlacementFor(c.options));
    Prepare(host, c);
    std::unique_ptr<GdiDibSurface> gdi;
    render::DriveButton(host, c.options, c.gdi_pictures, [&gdi](HeadlessHost& h) {
      gdi = GdiDibSurface::Create(h.Raster().Width(), h.Raster().Height());
      if (gdi) h.Recorder().SetInner(*gdi);
    });
    if (!gdi) return {};
    if (c.afterwards) c.afterwards(host);
    return Read(host, gdi->Pixels(), gdi->Width(), gdi->Height(), gdi->DrawMode());
  }

  std::string suite_;
  int buttons_ = 0;
  long long pixels_ = 0;
};

}  // namespace quillet::testing
