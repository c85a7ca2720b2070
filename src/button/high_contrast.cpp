#include "button/high_contrast.h"

#include "button/primitives.h"
#include "button/quillet_button.h"

namespace quillet {
namespace {

constexpr Color SystemColor(std::int32_t index) { return 0x80000000u | static_cast<Color>(index); }

// A checked check box shows pressed in every style here, so the value is never lost.
bool PressedLook(const QuilletButton& b) {
  return b.DrawState() == DrawState::Pressed || (b.CheckBoxMode() && b.Value());
}

}  // namespace

void RenderHighContrast(QuilletButton& b, DrawState state) {
  const std::int32_t w = RoundHalfEven(b.Host().ScaleWidth());
  const std::int32_t h = RoundHalfEven(b.Host().ScaleHeight());
  const bool pressed = PressedLook(b);
  b.PaintRect(b.ResolveColor(SystemColor(pressed ? kColorHighlight : kColorBtnFace)), Rect{0, 0, w, h});
  std::int32_t frame = kColorBtnText;
  if (!b.Enabled()) {
    frame = kColorGrayText;
  } else if (state == DrawState::Hot && !pressed) {
    frame = kColorHighlight;
  }
  const Color frameColor = b.ResolveColor(SystemColor(frame));
  // The default button and the focused one carry a frame twice as wide.
  const std::int32_t width = b.HasFocus() || b.DisplayAsDefault() ? 2 : 1;
  for (std::int32_t i = 0; i < width; ++i) b.PaintFrameRect(i, i, w - 2 * i, h - 2 * i, frameColor);
  if (b.HasFocus() && !b.Host().FocusCueHidden()) b.DrawingSurface().DrawFocusRect(Rect{3, 3, w - 3, h - 3});
}

Color CaptionColor(const QuilletButton& b) {
  if (b.HighContrastLook()) {
    if (!b.Enabled()) return SystemColor(kColorGrayText);
    return SystemColor(PressedLook(b) ? kColorHighlightText : kColorBtnText);
  }
  return b.Enabled() ? b.ForeColor() : kSysColorGrayText;
}

}  // namespace quillet
