// TwoToneGloss, ButtonStyle 6: the upper half fades from white into BackColor, the lower
// half is BackColor, inside a white inner frame and a darker outer one with a darker line
// along the bottom. Pressing darkens face and frame. Hot looks like rest. The focus
// rectangle surrounds the caption, not the button.
#include "button/primitives.h"
#include "button/quillet_button.h"
#include "button/styles/style_renderers.h"

namespace quillet {
namespace {

constexpr Color kWhite = 0xFFFFFF;

// The colours that differ between the resting and the pressed look.
struct GlossColors {
  Color upper_end;    // the white fade ends here
  Color lower_start;  // the lower half fades from here ...
  Color lower_end;    // ... towards here (beyond the surface, so only partly seen)
  Color outer_frame;
  Color bottom_line;
};

void PaintGloss(QuilletButton& b, std::int32_t W, std::int32_t H, const GlossColors& c) {
  const std::int32_t m = RoundHalfEven(H / 2.0);
  b.PaintGradient(0, 0, W, m, kWhite, c.upper_end, 1);
  // H rows tall from row m: its lower part lies beyond the surface.
  b.PaintGradient(0, m, W, H, c.lower_start, c.lower_end, 1);
  // Its bottom side is row H, beyond the surface: only top, left and right show.
  b.PaintFrameRect(1, 1, W - 2, H, kWhite);
  b.PaintFrameRect(0, 0, W, H, c.outer_frame);
  b.PaintLine(2, H - 1, W - 2, H - 1, c.bottom_line);
}

}  // namespace

void RenderTwoToneGloss(QuilletButton& b, DrawState state) {
  const std::int32_t W = RoundHalfEven(b.Host().ScaleWidth());
  const std::int32_t H = RoundHalfEven(b.Host().ScaleHeight());
  const Color B = b.ResolveColor(b.BackColor());
  auto off = [B](float a) { return QuilletButton::OffsetColor(B, a); };

  // A disabled button always shows the resting look.
  const DrawState look = b.Enabled() ? state : DrawState::Normal;
  switch (look) {
    case DrawState::Normal:
      // Redraw has set ButtonRect to (0, 0, W, H) from the same size.
      b.ApplyButtonRegion();
      [[fallthrough]];
    case DrawState::Hot: PaintGloss(b, W, H, GlossColors{B, B, B, off(-0.2f), off(-0.25f)}); break;
    case DrawState::Pressed:
      PaintGloss(b, W, H, GlossColors{off(-0.1f), off(-0.1f), off(-0.05f), off(-0.23f), off(-0.4f)});
      break;
    default: break;
  }
  b.PaintCornerPixels(off(0.05f));

  if (b.ParentActive() && b.DrawsFocusRect() && (b.HasFocus() || b.DisplayAsDefault())) {
    // The caption is drawn after this renderer, so this is where it stood last time.
    b.DrawingSurface().DrawFocusRect(b.CaptionFocusRect());
  }
}

}  // namespace quillet
