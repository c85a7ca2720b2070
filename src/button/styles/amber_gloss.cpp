// AmberGloss, ButtonStyle 7: the face in two gradient bands, the upper one about 1/2.7 of
// the height, inside a frame a little darker than BackColor. At rest the bands are shades
// of BackColor; hot they turn pale yellow; pressed or checked they turn amber. No focus
// look of any kind, and a disabled button is painted like an enabled one.
#include "button/primitives.h"
#include "button/quillet_button.h"
#include "button/styles/style_renderers.h"

namespace quillet {
namespace {

struct BandColors {
  Color upper_top, upper_bottom, lower_top, lower_bottom;
};
constexpr BandColors kHot{0xE1FFFF, 0xACEAFF, 0x67D7FF, 0x99E4FF};
constexpr BandColors kPressed{0x58C1FF, 0x51AFFF, 0x468FFF, 0x5FD3FF};
constexpr BandColors kChecked{0xA9D9FF, 0x6FC0FF, 0x3FABFF, 0x75E1FF};

void PaintBands(QuilletButton& b, std::int32_t W, std::int32_t H, Color B, const BandColors& c) {
  const std::int32_t k = RoundHalfEven(H / 2.7);
  const std::int32_t n = RoundHalfEven(H - H / 2.7);
  b.PaintGradient(0, 0, W, k, c.upper_top, c.upper_bottom, 1);
  b.PaintGradient(0, k, W, n, c.lower_top, c.lower_bottom, 1);
  b.PaintFrameRect(0, 0, W, H, QuilletButton::OffsetColor(B, -0.34f));
}

}  // namespace

void RenderAmberGloss(QuilletButton& b, DrawState state) {
  const std::int32_t W = RoundHalfEven(b.Host().ScaleWidth());
  const std::int32_t H = RoundHalfEven(b.Host().ScaleHeight());
  const Color B = b.ResolveColor(b.BackColor());

  // A checked button ignores DrawState: amber at rest, the darker pressed amber under the
  // pointer, painted over the resting amber.
  if (b.CheckBoxMode() && b.Value()) {
    PaintBands(b, W, H, B, kChecked);
    if (b.MouseOver()) PaintBands(b, W, H, B, kPressed);
    return;
  }
  switch (state) {
    case DrawState::Normal: {
      auto off = [B](float a) { return QuilletButton::OffsetColor(B, a); };
      b.PaintRect(B, b.ButtonRect());
      PaintBands(b, W, H, B,
                 BandColors{QuilletButton::AverageColors(off(0.09f), 0xFFFFFF),
                            QuilletButton::AverageColors(off(0.07f), B), B, off(0.03f)});
      break;
    }
    case DrawState::Hot: PaintBands(b, W, H, B, kHot); break;
    case DrawState::Pressed: PaintBands(b, W, H, B, kPressed); break;
    default: break;
  }
}

}  // namespace quillet
