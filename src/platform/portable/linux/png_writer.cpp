#include "platform/portable/linux/png_writer.h"

#include <cstdint>
#include <vector>

#include "platform/portable/png_encode.h"

namespace quillet {

bool WritePng(const RasterSurface& surface, const std::string& path) {
  const std::int32_t w = surface.Width(), h = surface.Height();
  if (w <= 0 || h <= 0) return false;
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4);
  const auto& pixels = surface.Pixels();
  for (std::int32_t y = 0; y < h; ++y) {
    for (std::int32_t x = 0; x < w; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * w + x;
      const std::uint32_t p = pixels[i];
      rgba[4 * i] = static_cast<std::uint8_t>(p >> 16);
      rgba[4 * i + 1] = static_cast<std::uint8_t>(p >> 8);
      rgba[4 * i + 2] = static_cast<std::uint8_t>(p);
      rgba[4 * i + 3] = surface.Visible(x, y) ? 255 : 0;
    }
  }
  return WritePngFile(path, w, h, rgba);
}

}  // namespace quillet
