// FlatBlueBox, ButtonStyle 9: a frameless fade from a whitened BackColor down to BackColor
// at rest, a flat light-blue box in a blue frame under the pointer, a deeper blue box in a
// slate frame when pressed. It draws its own check-box look (Redraw does not force the
// pressed look on it): a pale grey box in a lighter slate frame, or the deeper blue box in
// the blue frame while the pointer is over it. Enabled, focus and default change nothing.
#include "button/primitives.h"
#include "button/quillet_button.h"
#include "button/styles/style_renderers.h"

namespace quillet {
namespace {

constexpr Color kHotFace = 0xEED2C1;
constexpr Color kBlueFrame = 0xC56A31;
constexpr Color kDeepFace = 0xE2B598;
constexpr Color kSlateFrame = 0x6F4B4B;
constexpr Color kCheckedFace = 0xE8E6E1;

void PaintBox(QuilletButton& b, std::int32_t W, std::int32_t H, Color face, Color frame) {
  b.PaintRect(face, Rect{0, 0, W, H});
  b.PaintFrameRect(0, 0, W, H, frame);
}

}  // namespace

void RenderFlatBlueBox(QuilletButton& b, DrawState state) {
  const std::int32_t W = RoundHalfEven(b.Host().ScaleWidth());
  const std::int32_t H = RoundHalfEven(b.Host().ScaleHeight());
  const Color B = b.ResolveColor(b.BackColor());

  if (b.CheckBoxMode() && b.Value()) {
    PaintBox(b, W, H, kCheckedFace, QuilletButton::OffsetColor(kSlateFrame, 0.05f));
    if (state == DrawState::Hot) PaintBox(b, W, H, kDeepFace, kBlueFrame);
    return;
  }
  switch (state) {
    case DrawState::Normal: {
      const Color top = QuilletButton::AverageColors(QuilletButton::OffsetColor(B, 0.26f), 0xFFFFFF);
      b.PaintGradient(0, 0, W, H, top, B, 1);
      break;
    }
    case DrawState::Hot: PaintBox(b, W, H, kHotFace, kBlueFrame); break;
    case DrawState::Pressed: PaintBox(b, W, H, kDeepFace, kSlateFrame); break;
  }
}

}  // namespace quillet
