#include "app/form_layout.h"

#include <cstdlib>

namespace wendral {
namespace {

// numerator / denominator rounded to nearest, halves to even; denominator > 0.
int RoundHalfEven(long long numerator, long long denominator) {
  long long quotient = numerator / denominator;
  long long remainder = numerator % denominator;
  if (remainder < 0) {
    remainder += denominator;
    --quotient;
  }
  const long long twice = 2 * remainder;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
  return static_cast<int>(quotient);
}

}  // namespace

int TwipsToPixels(int twips, int dpi) { return RoundHalfEven(1LL * twips * dpi, 1440); }

PixelRect ToPixels(const TwipRect& rect, int dpi) {
  return PixelRect{TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi), TwipsToPixels(rect.width, dpi),
                   TwipsToPixels(rect.height, dpi)};
}

int FontHeight(int centipoints, int dpi) { return -RoundHalfEven(1LL * centipoints * dpi, 7200); }

}  // namespace wendral
