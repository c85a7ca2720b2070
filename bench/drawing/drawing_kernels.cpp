#include "bench/drawing/drawing_kernels.h"

#include "button/primitives.h"

namespace wendral_bench {

// The colours of a style's face gradient: every channel changes on nearly every step.
constexpr quillet::Color kFirst = 0xE7EBEC;
constexpr quillet::Color kLast = 0x8A5A2B;

void Fill(Canvas& c) { quillet::PaintRect(c.surface, kFirst, quillet::Rect{0, 0, c.width, c.height}); }

void Gradient(Canvas& c, int direction) {
  quillet::PaintGradient(c.surface, 0, 0, c.width, c.height, kFirst, kLast, direction);
}

}  // namespace wendral_bench
