// Colour arithmetic and simple painting shared by the style renderers, the style defaults
// and the caption routine. Free functions over a Surface; QuilletButton's private members
// of the same names forward to them. Each call makes its own pen or brush (inside the
// surface) and keeps no state.
#pragma once

#include <cstdint>

#include "button/surface.h"

namespace quillet {

// Rounds to the nearest integer, halves to even (3.5 -> 4, 2.5 -> 2).
std::int32_t RoundHalfEven(double v);

// One-pixel solid line from (x1, y1) up to but not including (x2, y2).
void PaintLine(Surface& s, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Color color);

// One-pixel outline; the outermost pixels are columns x and x + width - 1, rows y and
// y + height - 1.
void PaintFrameRect(Surface& s, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color color);

// Fills left..right-1 by top..bottom-1.
void PaintRect(Surface& s, Color color, const Rect& rect);

// Linear two-colour gradient over x, y, width, height: direction 0 left to right, 1 top to
// bottom, 2 top-left to bottom-right, 3 bottom-left to top-right. One colour per step, all
// transferred with one 32-bit StretchDIBits at 1:1. Draws nothing for width or height < 1.
void PaintGradient(Surface& s, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color color1,
                   Color color2, std::int32_t direction);

// Re-reads the surface size into button_width / button_height, then sets the pixels just
// inside the four corners: (1, 1), (1, H - 2), (W - 2, 1), (W - 2, H - 2).
void PaintCornerPixels(Surface& s, Color color, std::int32_t& button_width, std::int32_t& button_height);

// OleTranslateColor with the surface's system colours: plain RGB (and palette forms) come
// back as they are, 0x80000000 + n gives system colour n; anything else, or a palette
// handle, gives 0xFFFFFFFF (-1).
Color ResolveColor(const Surface& s, Color color, std::uintptr_t palette = 0);

// Per-channel mean, rounded halves to even.
Color AverageColors(Color color1, Color color2);

// Brightens (amount > 0) or darkens (amount < 0) each channel by amount x 255, rounded
// halves to even and clamped at 255 (or at 0).
Color OffsetColor(Color color, float amount);

}  // namespace quillet
