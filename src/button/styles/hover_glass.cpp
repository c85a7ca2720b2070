// HoverGlass, ButtonStyle 8: a toolbar button that is only its BackColor at rest; under the
// pointer a pale blue glass face (solid in its lower part) in a blue frame with a white
// inner frame, and pressed a deeper blue face that lightens downwards. A disabled button
// is a plain patch of BackColor whatever its look. No focus cue of any kind.
#include "button/primitives.h"
#include "button/quillet_button.h"
#include "button/styles/style_renderers.h"

namespace quillet {
namespace {

constexpr Color kHotTop = 0xFDF9F1;
constexpr Color kHotBottom = 0xF8ECD0;
constexpr Color kPressedTop = 0xF1DEB0;
constexpr Color kPressedBottom = 0xF9F1DB;
constexpr Color kFrame = 0xCA9E61;
constexpr Color kInnerFrame = 0xFFFFFF;

void PaintGlassFrames(QuilletButton& b, std::int32_t W, std::int32_t H) {
  b.PaintFrameRect(0, 0, W, H, kFrame);
  b.PaintFrameRect(1, 1, W - 2, H - 2, kInnerFrame);
  b.PaintCornerPixels(QuilletButton::OffsetColor(kFrame, 0.3f));
}

}  // namespace

void RenderHoverGlass(QuilletButton& b, DrawState state) {
  const std::int32_t W = RoundHalfEven(b.Host().ScaleWidth());
  const std::int32_t H = RoundHalfEven(b.Host().ScaleHeight());
  const Color B = b.ResolveColor(b.BackColor());

  if (!b.Enabled()) {
    b.PaintRect(B, b.ButtonRect());
    b.PaintCornerPixels(B);
    return;
  }
  switch (state) {
    case DrawState::Normal:
      b.ApplyButtonRegion();
      b.PaintRect(B, Rect{0, 0, W, H});
      break;
    case DrawState::Hot: {
      b.PaintGradient(1, 1, W - 2, H - 2, kHotTop, kHotBottom, 1);
      // From row H / 1.7 down the face is solid; the band runs off the bottom.
      const std::int32_t solid_from = RoundHalfEven(H / 1.7);
      b.PaintGradient(1, solid_from, W - 2, H - 2, kHotBottom, kHotBottom, 1);
      PaintGlassFrames(b, W, H);
      break;
    }
    case DrawState::Pressed:
      b.PaintGradient(1, 1, W - 2, H - 2, kPressedTop, kPressedBottom, 1);
      PaintGlassFrames(b, W, H);
      break;
  }
}

}  // namespace quillet
