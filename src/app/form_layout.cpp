#include "app/form_layout.h"

namespace wendral {

PixelRect ToPixels(const TwipRect& rect, int dpi) {
  return PixelRect{TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi), TwipsToPixels(rect.width, dpi),
                   TwipsToPixels(rect.height, dpi)};
}

int FontHeight(int centipoints, int dpi) { return -quillet::DivideHalfEven(1LL * centipoints * dpi, 7200); }

}  // namespace wendral
