// Two drawings of the same size held against each other pixel for pixel: how many differ in
// their colour (the top byte is the surfaces' own), and where the first few are.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

namespace quillet::testing {

struct PixelDifference {
  long count = 0;
  long long compared = 0;
  // " (x,y) gdi rrggbb raster rrggbb;" for each of the first differences.
  std::string report;
};

// `gdi` and `raster` are width x height, rows top-down; `counted` (when set) says which
// pixels take part.
inline PixelDifference ComparePixels(const std::uint32_t* gdi, const std::uint32_t* raster, std::int32_t width,
                                     std::int32_t height,
                                     const std::function<bool(std::int32_t, std::int32_t)>& counted = {},
                                     int report_at_most = 6) {
  PixelDifference d;
  for (std::int32_t y = 0; y < height; ++y)
    for (std::int32_t x = 0; x < width; ++x) {
      if (counted && !counted(x, y)) continue;
      ++d.compared;
      const std::size_t i = static_cast<std::size_t>(y) * width + x;
      const std::uint32_t g = gdi[i] & 0xFFFFFF, r = raster[i] & 0xFFFFFF;
      if (g != r && ++d.count <= report_at_most) {
        char text[80];
        std::snprintf(text, sizeof text, " (%d,%d) gdi %06x raster %06x;", x, y, g, r);
        d.report += text;
      }
    }
  return d;
}

}  // namespace quillet::testing
