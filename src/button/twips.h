#pragma once
// Twips, the unit forms place controls in: 1440 per inch, 15 per pixel at 96 dots per inch.
// One conversion for the control's window and the programs' own windows.
#include <cstdint>

namespace quillet {

// numerator / denominator to the nearest integer, halves to even; denominator > 0.
constexpr std::int32_t DivideHalfEven(std::int64_t numerator, std::int64_t denominator) {
  std::int64_t quotient = numerator / denominator;
  std::int64_t remainder = numerator % denominator;
  if (remainder < 0) {
    remainder += denominator;
    --quotient;
  }
  if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0)) ++quotient;
  return static_cast<std::int32_t>(quotient);
}

// twips * dpi / 1440, to the nearest pixel, halves to even.
constexpr std::int32_t TwipsToPixels(std::int32_t twips, std::int32_t dpi) {
  return DivideHalfEven(std::int64_t{twips} * dpi, 1440);
}

}  // namespace quillet
