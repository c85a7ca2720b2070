// Pixel masks of window regions, rasterised the way GDI builds them.
#pragma once

#include <cstdint>
#include <vector>

#include "button/surface.h"

namespace quillet {

// Row spans [left, right) of a region, one per row from `top`; empty rows have left == right.
struct RegionSpans {
  std::int32_t top = 0;
  std::vector<std::int32_t> left;
  std::vector<std::int32_t> right;
};

// CreateRectRgn / CreateRoundRectRgn. Rows a round-rect outline never reaches (a corner
// ellipse only two pixels wide but much taller) are empty.
RegionSpans BuildRegionSpans(const RegionShape& shape);

// width * height bytes, 1 inside the region, 0 outside.
std::vector<std::uint8_t> RegionMask(const RegionShape& shape, std::int32_t width, std::int32_t height);

}  // namespace quillet
