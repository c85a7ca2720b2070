// The drawing primitives as members of QuilletButton, forwarding to button/primitives.h, so
// style renderers call them on the control they draw.
#include "button/primitives.h"
#include "button/quillet_button.h"

namespace quillet {

void QuilletButton::PaintLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Color color) {
  quillet::PaintLine(DrawingSurface(), x1, y1, x2, y2, color);
}

void QuilletButton::PaintFrameRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                                   Color color) {
  quillet::PaintFrameRect(DrawingSurface(), x, y, width, height, color);
}

void QuilletButton::PaintRect(Color color, const Rect& rect) { quillet::PaintRect(DrawingSurface(), color, rect); }

void QuilletButton::PaintGradient(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color color1,
                                  Color color2, std::int32_t direction) {
  quillet::PaintGradient(DrawingSurface(), x, y, width, height, color1, color2, direction);
}

void QuilletButton::PaintCornerPixels(Color color) {
  quillet::PaintCornerPixels(DrawingSurface(), color, buttonWidth_, buttonHeight_);
}

Color QuilletButton::ResolveColor(Color color, std::uintptr_t palette) const {
  return quillet::ResolveColor(DrawingSurface(), color, palette);
}

Color QuilletButton::AverageColors(Color color1, Color color2) { return quillet::AverageColors(color1, color2); }

Color QuilletButton::OffsetColor(Color color, float amount) { return quillet::OffsetColor(color, amount); }

}  // namespace quillet
