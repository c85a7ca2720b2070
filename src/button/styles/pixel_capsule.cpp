// PixelCapsule, ButtonStyle 14: a strongly rounded button drawn from fixed artwork, light grey
// at rest, blue when hot, focused or default, deeper blue when pressed or checked. BackColor
// plays no part; the corners outside the artwork show the containing form's colour.
#include "button/primitives.h"
#include "button/quillet_button.h"
#include "button/styles/pixel_capsule_skins.h"
#include "button/styles/style_renderers.h"

namespace quillet {

void PaintCapsuleSkin(QuilletButton& b, const CapsuleSkin& skin) {
  const std::int32_t H = RoundHalfEven(b.Host().ScaleHeight());
  const std::int32_t W = RoundHalfEven(b.Host().ScaleWidth());
  Surface& s = b.DrawingSurface();
  b.PaintRect(skin.centre, Rect{4, 4, W - 4, H - 4});

  // Corner pieces: top-left, bottom-left, top-right, bottom-right.
  for (const CapsulePixel& p : skin.top_left) s.SetPixel(p.column, p.row, p.color);
  for (const CapsulePixel& p : skin.bottom_left) s.SetPixel(p.column, H - p.row, p.color);
  for (const CapsulePixel& p : skin.top_right) s.SetPixel(W - p.column, p.row, p.color);
  for (const CapsulePixel& p : skin.bottom_right) s.SetPixel(W - p.column, H - p.row, p.color);

  // Edges over the corners. On a low button the side edges run upwards from row 11, and the
  // bottom edge, painted last, covers the top edge where they meet.
  for (std::int32_t x = 0; x < 18; ++x) b.PaintLine(x, 11, x, H - 10, skin.left[x]);
  for (std::int32_t i = 0; i < 17; ++i) b.PaintLine(W - 17 + i, 11, W - 17 + i, H - 10, skin.right[i]);
  for (std::int32_t y = 0; y < 12; ++y) b.PaintLine(17, y, W - 17, y, skin.top[y]);
  for (std::int32_t i = 0; i < 11; ++i) b.PaintLine(17, H - 11 + i, W - 17, H - 11 + i, skin.bottom[i]);
}

void RenderPixelCapsule(QuilletButton& b, DrawState state) {
  DrawState s = state;
  if (b.CheckBoxMode() && b.Value()) s = DrawState::Pressed;
  if (b.ParentActive() && (b.DisplayAsDefault() || b.HasFocus())) {
    s = s == DrawState::Pressed ? DrawState::Pressed : DrawState::Hot;
  }
  // Redraw clears to this colour: the corners outside the artwork take the form's colour.
  b.DrawingSurface().SetBackColor(b.AmbientBackColor());
  switch (s) {
    case DrawState::Normal:
      b.ApplyButtonRegion();
      PaintCapsuleSkin(b, CapsuleNormal);
      break;
    case DrawState::Hot: PaintCapsuleSkin(b, CapsuleHot); break;
    case DrawState::Pressed: PaintCapsuleSkin(b, CapsulePressed); break;
    default: break;
  }
}

}  // namespace quillet
