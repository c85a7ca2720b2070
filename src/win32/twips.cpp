#include "win32/twips.h"

#include <windows.h>

#include "button/primitives.h"

namespace quillet::win32 {

ScreenDpi CurrentScreenDpi() {
  ScreenDpi dpi;
  if (HDC screen = GetDC(nullptr)) {
    dpi.x = GetDeviceCaps(screen, LOGPIXELSX);
    dpi.y = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  if (dpi.x <= 0) dpi.x = 96;
  if (dpi.y <= 0) dpi.y = 96;
  return dpi;
}

std::int32_t PixelsToTwips(std::int32_t pixels, std::int32_t dpi) {
  return RoundHalfEven(static_cast<double>(pixels) * 1440.0 / dpi);
}

}  // namespace quillet::win32
