// AmberBox, ButtonStyle 13: a frameless two-band gradient of BackColor at rest (the upper
// half fading from a lighter BackColor into it, the lower half darkening downwards); hot,
// pressed and checked buttons become a full-height amber gradient in a navy frame. A
// checked button picks its amber by whether the pointer is over it, not by its look.
// Enabled, focus and default change nothing here.
#include "button/primitives.h"
#include "button/quillet_button.h"
#include "button/styles/style_renderers.h"

namespace quillet {
namespace {

constexpr Color kHotTop = 0xCCF4FF;
constexpr Color kHotBottom = 0x91D0FF;
constexpr Color kPressedTop = 0x4E91FE;
constexpr Color kPressedBottom = 0x8ED3FF;
constexpr Color kCheckedTop = 0x8CD5FF;
constexpr Color kCheckedBottom = 0x55ADFF;
constexpr Color kNavy = 0x800000;

}  // namespace

void RenderAmberBox(QuilletButton& b, DrawState state) {
  const std::int32_t W = RoundHalfEven(b.Host().ScaleWidth());
  const std::int32_t H = RoundHalfEven(b.Host().ScaleHeight());
  const Color B = b.ResolveColor(b.BackColor());

  if (b.CheckBoxMode() && b.Value()) {
    if (b.MouseOver())
      b.PaintGradient(0, 0, W, H, kPressedTop, kPressedBottom, 1);
    else
      b.PaintGradient(0, 0, W, H, kCheckedTop, kCheckedBottom, 1);
    b.PaintFrameRect(0, 0, W, H, kNavy);
    return;
  }
  switch (state) {
    case DrawState::Normal: {
      // Upper band H / 2 rows from the top; the lower band, H / 2 + 1 rows, reaches past
      // the last row. Both halves round half to even.
      const std::int32_t m = RoundHalfEven(H / 2.0);
      const std::int32_t n = RoundHalfEven(H / 2.0 + 1);
      b.ApplyButtonRegion();
      b.PaintGradient(0, 0, W, m, QuilletButton::OffsetColor(B, 0.05f), B, 1);
      b.PaintGradient(0, m, W, n, QuilletButton::OffsetColor(B, -0.01f), QuilletButton::OffsetColor(B, -0.13f), 1);
      break;
    }
    case DrawState::Hot: b.PaintGradient(0, 0, W, H, kHotTop, kHotBottom, 1); break;
    case DrawState::Pressed: b.PaintGradient(0, 0, W, H, kPressedTop, kPressedBottom, 1); break;
  }
  // The frame follows the control's look, which Redraw hands over as `state`.
  if (b.DrawState() != DrawState::Normal) b.PaintFrameRect(0, 0, W, H, kNavy);
}

}  // namespace quillet
