// BandedGradient, ButtonStyle 10: a face built from BackColor alone. A five-row highlight
// band fading from a whitened BackColor into the face, one row of the plain fill, then a
// body that brightens downwards; a frame a third of full scale darker than BackColor and
// corner pixels darker still. Hot lightens the whole face, pressed darkens its base.
// Enabled, focus and default change nothing here.
#include "button/primitives.h"
#include "button/quillet_button.h"
#include "button/styles/style_renderers.h"

namespace quillet {
namespace {

constexpr Color kWhite = 0xFFFFFF;

struct Bands {
  Color fill, band_top, band_bottom, body_top, body_bottom;
};

Bands BandsFor(Color B, DrawState state) {
  auto off = [](Color c, float a) { return QuilletButton::OffsetColor(c, a); };
  auto avg = [](Color x, Color y) { return QuilletButton::AverageColors(x, y); };
  switch (state) {
    case DrawState::Hot: {
      const Color lit = off(B, 0.05f);
      return {lit, off(avg(lit, kWhite), 0.15f), lit, B, avg(kWhite, off(B, 0.15f))};
    }
    case DrawState::Pressed:
      return {off(B, -0.03f), off(avg(B, kWhite), 0.1f), B, off(B, -0.08f), avg(kWhite, off(B, 0.07f))};
    case DrawState::Normal:
    default: return {B, off(avg(B, kWhite), 0.1f), B, off(B, -0.05f), avg(kWhite, off(B, 0.1f))};
  }
}

}  // namespace

void RenderBandedGradient(QuilletButton& b, DrawState state) {
  const std::int32_t W = RoundHalfEven(b.Host().ScaleWidth());
  const std::int32_t H = RoundHalfEven(b.Host().ScaleHeight());
  const Color B = b.ResolveColor(b.BackColor());

  if (state == DrawState::Normal) b.ApplyButtonRegion();
  if (state == DrawState::Normal || state == DrawState::Hot || state == DrawState::Pressed) {
    const Bands c = BandsFor(B, state);
    b.PaintRect(c.fill, Rect{0, 0, W, H});
    b.PaintGradient(0, 0, W, 5, c.band_top, c.band_bottom, 1);
    // Row 5 keeps the fill; the body is H - 1 rows tall and its end lies below the surface.
    b.PaintGradient(0, 6, W, H - 1, c.body_top, c.body_bottom, 1);
    b.PaintFrameRect(0, 0, W, H, QuilletButton::OffsetColor(B, -0.33f));
  }
  b.PaintCornerPixels(QuilletButton::OffsetColor(B, -0.5f));
}

}  // namespace quillet
