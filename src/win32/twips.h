// Twips (1440 per inch) and pixels at the screen's real resolution: 15 twips per pixel at
// 96 dots per inch, fewer at higher settings.
#pragma once

#include <cstdint>

#include "button/twips.h"

namespace quillet::win32 {

struct ScreenDpi {
  std::int32_t x = 96;
  std::int32_t y = 96;
};

ScreenDpi CurrentScreenDpi();

// Rounded to nearest, halves to even; the other way is quillet::TwipsToPixels.
std::int32_t PixelsToTwips(std::int32_t pixels, std::int32_t dpi);

}  // namespace quillet::win32
