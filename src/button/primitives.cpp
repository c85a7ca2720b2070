#include "button/primitives.h"

#include "button/gradient_steps.h"

#include <cmath>
#include <vector>

namespace quillet {
namespace {

// Channel split on the signed value, division truncating toward zero: a colour that failed
// to resolve (-1) goes through the arithmetic as it comes.
struct Channels {
  std::int32_t red, green, blue;
};

Channels Split(Color c) {
  const auto v = static_cast<std::int32_t>(c);
  return {v % 256, (v / 256) % 256, (v / 65536) % 256};
}

Color Pack(std::int32_t red, std::int32_t green, std::int32_t blue) {
  return static_cast<Color>(red + 256 * green + 65536 * blue);
}

}  // namespace

std::int32_t RoundHalfEven(double v) {
  // The default floating-point rounding mode is to nearest, ties to even.
  return static_cast<std::int32_t>(std::nearbyint(v));
}

void PaintLine(Surface& s, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Color color) {
  s.DrawLine(x1, y1, x2, y2, color);
}

void PaintFrameRect(Surface& s, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color color) {
  s.FrameRect(Rect{x, y, x + width, y + height}, color);
}

void PaintRect(Surface& s, Color color, const Rect& rect) { s.FillRect(rect, color); }

void PaintGradient(Surface& s, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color color1,
                   Color color2, std::int32_t direction) {
  if (width < 1 || height < 1) return;
  const std::int32_t n = GradientLastStep(width, height, direction);
  if (n < 0) return;  // no such direction: nothing to draw
  if (s.FillGradient(Rect{x, y, x + width, y + height}, color1, color2, direction)) return;

  // The surface takes device-independent bits: lay the steps out in a bottom-up bitmap
  // (buffer row 0 is the bottom screen row).
  std::vector<std::uint32_t> table(static_cast<std::size_t>(n) + 1);
  GradientSteps steps(color1, color2, n);
  for (std::int32_t i = 0; i <= n; ++i, steps.Next()) table[static_cast<std::size_t>(i)] = steps.Pixel();
  const std::size_t w = static_cast<std::size_t>(width);
  std::vector<std::uint32_t> pixels(w * static_cast<std::size_t>(height));
  for (std::int32_t cy = 0; cy < height; ++cy) {
    std::uint32_t* row = pixels.data() + static_cast<std::size_t>(height - 1 - cy) * w;
    for (std::int32_t cx = 0; cx < width; ++cx) {
      switch (direction) {
        case 0: row[cx] = table[cx]; break;
        case 1: row[cx] = table[cy]; break;
        case 2: row[cx] = table[cx + cy]; break;
        default: row[cx] = table[cx + (height - 1 - cy)]; break;
      }
    }
  }
  const DibBits bits{width, height, 32, pixels.data()};
  s.StretchDIBits(x, y, width, height, 0, 0, width, height, bits, kSrcCopy);
}

void PaintCornerPixels(Surface& s, Color color, std::int32_t& button_width, std::int32_t& button_height) {
  button_height = RoundHalfEven(s.Height());
  button_width = RoundHalfEven(s.Width());
  const std::int32_t w = button_width, h = button_height;
  s.SetPixel(1, 1, color);
  s.SetPixel(1, h - 2, color);
  s.SetPixel(w - 2, 1, color);
  s.SetPixel(w - 2, h - 2, color);
}

Color ResolveColor(const Surface& s, Color color, std::uintptr_t palette) {
  constexpr Color kInvalid = 0xFFFFFFFF;
  if (palette != 0) return kInvalid;  // only the default palette is supported
  switch (color >> 24) {
    case 0x00:  // RGB
    case 0x01:  // PALETTEINDEX
    case 0x02:  // PALETTERGB
      return color;
    case 0x80: {
      const std::int32_t index = static_cast<std::int32_t>(color & 0xFF);  // the low byte only
      if (index >= kSysColorCount) return kInvalid;
      return s.SysColor(index);
    }
    default: return kInvalid;
  }
}

Color AverageColors(Color color1, Color color2) {
  const Channels a = Split(color1), b = Split(color2);
  return Pack(RoundHalfEven((a.red + b.red) / 2.0), RoundHalfEven((a.green + b.green) / 2.0),
              RoundHalfEven((a.blue + b.blue) / 2.0));
}

Color OffsetColor(Color color, float amount) {
  const double step = static_cast<double>(amount) * 255.0;
  const Channels c = Split(color);
  std::int32_t ch[3] = {RoundHalfEven(c.red + step), RoundHalfEven(c.green + step), RoundHalfEven(c.blue + step)};
  for (std::int32_t& v : ch) {
    if (amount > 0) {
      if (v > 255) v = 255;
    } else if (v < 0) {
      v = 0;
    }
  }
  return Pack(ch[0], ch[1], ch[2]);
}

}  // namespace quillet
