// SideGradient, ButtonStyle 15: a face that brightens from left to right inside a grey
// one-pixel frame; pressing shifts the gradient darker. A focused or default button gets a
// dotted focus rectangle three pixels inside the frame, but not while the form is designed.
#include "button/primitives.h"
#include "button/property_value.h"
#include "button/quillet_button.h"
#include "button/styles/style_renderers.h"

namespace quillet {
namespace {

constexpr Color kFrame = 0x7D807E;
constexpr std::int32_t kLeftToRight = 0;

}  // namespace

void RenderSideGradient(QuilletButton& b, DrawState state) {
  const std::int32_t H = RoundHalfEven(b.Host().ScaleHeight());
  const std::int32_t W = RoundHalfEven(b.Host().ScaleWidth());
  const Color B = b.ResolveColor(b.BackColor());
  auto off = [B](float a) { return QuilletButton::OffsetColor(B, a); };
  if (b.CheckBoxMode() && b.Value()) state = DrawState::Pressed;

  switch (state) {
    case DrawState::Normal:
      b.ApplyButtonRegion();
      b.PaintGradient(0, 0, W, H, B, off(0.08f), kLeftToRight);
      break;
    case DrawState::Hot: b.PaintGradient(0, 0, W, H, B, off(0.08f), kLeftToRight); break;
    case DrawState::Pressed: b.PaintGradient(0, 0, W, H, off(-0.05f), off(0.03f), kLeftToRight); break;
    default: break;
  }
  b.PaintFrameRect(0, 0, W, H, kFrame);

  const bool user_mode = ToBool(b.Host().Ambient("UserMode"));
  if ((b.HasFocus() || b.DisplayAsDefault()) && b.DrawsFocusRect() && user_mode && b.ParentActive()) {
    b.DrawingSurface().DrawFocusRect(Rect{3, 3, W - 3, H - 3});
  }
}

}  // namespace quillet
