// DropShadow, ButtonStyle 5: a flat face with a light border standing above a three-step
// grey shadow on its right and bottom. Pressing moves the face three pixels right and down
// into the shadow's place and drops the shadow. Around the face the surface shows the
// containing form's own background colour.
#include "button/primitives.h"
#include "button/quillet_button.h"
#include "button/styles/style_renderers.h"

namespace quillet {
namespace {

constexpr Color kShadowInner = 0x808080;
constexpr Color kShadowMiddle = 0xA0A0A0;
constexpr Color kShadowOuter = 0xC0C0C0;

void PaintRaised(QuilletButton& b, std::int32_t W, std::int32_t H, Color face) {
  b.DrawingSurface().SetBackColor(b.AmbientBackColor());
  // Innermost outline first; the face then hides their top and left parts.
  b.PaintFrameRect(6, 6, W - 9, H - 9, kShadowInner);
  b.PaintFrameRect(5, 5, W - 7, H - 7, kShadowMiddle);
  b.PaintFrameRect(4, 4, W - 5, H - 5, kShadowOuter);
  b.PaintRect(face, Rect{0, 0, W - 5, H - 5});
  b.PaintFrameRect(0, 0, W - 4, H - 4, QuilletButton::OffsetColor(face, 0.3f));
}

void PaintPressed(QuilletButton& b, std::int32_t W, std::int32_t H, Color face) {
  b.DrawingSurface().SetBackColor(b.AmbientBackColor());
  b.PaintRect(face, Rect{3, 3, W, H});
  b.PaintFrameRect(3, 3, W - 3, H - 3, QuilletButton::OffsetColor(face, 0.3f));
}

void PaintLookAndFocus(QuilletButton& b, DrawState state, Color face) {
  // The size Redraw cached; this style does not measure again.
  const std::int32_t W = b.ButtonWidth();
  const std::int32_t H = b.ButtonHeight();
  const bool pressed = state == DrawState::Pressed;
  if (state == DrawState::Normal || state == DrawState::Hot) PaintRaised(b, W, H, face);
  if (pressed) PaintPressed(b, W, H, face);

  if (b.ParentActive() && b.DrawsFocusRect() && (b.HasFocus() || b.DisplayAsDefault())) {
    // Left in invert mode afterwards; nothing here draws lines after it.
    b.DrawingSurface().SetDrawMode(kDrawModeInvert);
    // Three pixels inside the face, wherever the face is.
    const Rect focus = pressed ? Rect{6, 6, W - 3, H - 3} : Rect{3, 3, W - 6, H - 6};
    b.DrawingSurface().DrawFocusRect(focus);
  }
}

}  // namespace

void RenderDropShadow(QuilletButton& b, DrawState state) {
  Color face = b.ResolveColor(b.BackColor());
  // A disabled button is the same drawing one tenth lighter.
  if (!b.Enabled()) face = QuilletButton::OffsetColor(face, 0.1f);

  if (state != DrawState::Normal) {
    PaintLookAndFocus(b, state, face);
    return;
  }
  b.ApplyButtonRegion();
  // At rest, a failure after the region is in place ends this look quietly; the caption
  // is still drawn.
  try {
    PaintLookAndFocus(b, state, face);
  } catch (...) {
  }
}

}  // namespace quillet
