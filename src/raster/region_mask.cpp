#include "raster/region_mask.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace quillet {
namespace {

RegionSpans RectSpans(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  RegionSpans spans;
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  spans.top = top;
  spans.left.assign(static_cast<std::size_t>(bottom - top), left);
  spans.right.assign(static_cast<std::size_t>(bottom - top), right);
  return spans;
}

}  // namespace

RegionSpans BuildRegionSpans(const RegionShape& shape) {
  if (shape.kind == RegionShape::Kind::Rect) return RectSpans(shape.left, shape.top, shape.right, shape.bottom);

  std::int32_t left = shape.left, top = shape.top, right = shape.right, bottom = shape.bottom;
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  // The round rectangle covers the interior of its outline: one pixel less at right and
  // bottom.
  --right;
  --bottom;
  const std::int32_t ew = std::min(right - left, std::abs(shape.ellipse_width));
  const std::int32_t eh = std::min(bottom - top, std::abs(shape.ellipse_height));
  if (ew < 2 || eh < 2) return RectSpans(left, top, right, bottom);

  // Midpoint walk over one quarter of the corner ellipse, from its widest row outwards;
  // row eh / 2 + k gets the inset of the k-th vertical step.
  std::vector<std::int32_t> inset(static_cast<std::size_t>(eh), -1);
  const std::int64_t a = ew - 1, b = eh - 1;
  const std::int64_t asq = 8 * a * a, bsq = 8 * b * b;
  std::int64_t dx = 4 * b * b * (1 - a);
  std::int64_t dy = 4 * a * a * (1 + (b % 2));
  std::int64_t err = dx + dy + a * a * (b % 2);
  std::int32_t x = 0, y = eh / 2;
  inset[static_cast<std::size_t>(y)] = 0;
  while (x <= ew / 2) {
    const std::int64_t e2 = 2 * err;
    if (e2 >= dx) {
      ++x;
      dx += bsq;
      err += dx;
    }
    if (e2 <= dy) {
      ++y;
      dy += asq;
      err += dy;
      if (y < eh) inset[static_cast<std::size_t>(y)] = x;
    }
  }

  RegionSpans spans;
  spans.top = top;
  const std::int32_t rows = bottom - top;
  spans.left.assign(static_cast<std::size_t>(rows), left);
  spans.right.assign(static_cast<std::size_t>(rows), right);
  auto set_row = [&](std::int32_t row, std::int32_t k) {
    const std::int32_t in = inset[static_cast<std::size_t>(k)];
    const auto r = static_cast<std::size_t>(row - top);
    if (in < 0) {
      spans.left[r] = spans.right[r] = left;  // never reached: empty
    } else {
      spans.left[r] = left + in;
      spans.right[r] = right - in;
    }
  };
  for (std::int32_t i = 0; i < eh / 2; ++i) set_row(top + i, static_cast<std::int32_t>(b) - i);
  for (std::int32_t i = eh / 2; i < eh; ++i) set_row(bottom - eh + i, i);
  for (std::size_t r = 0; r < spans.left.size(); ++r)
    if (spans.right[r] < spans.left[r]) spans.right[r] = spans.left[r];
  return spans;
}

std::vector<std::uint8_t> RegionMask(const RegionShape& shape, std::int32_t width, std::int32_t height) {
  std::vector<std::uint8_t> mask(static_cast<std::size_t>(width) * height, 0);
  const RegionSpans spans = BuildRegionSpans(shape);
  for (std::size_t r = 0; r < spans.left.size(); ++r) {
    const std::int32_t y = spans.top + static_cast<std::int32_t>(r);
    if (y < 0 || y >= height) continue;
    const std::int32_t l = std::max(spans.left[r], 0), rt = std::min(spans.right[r], width);
    for (std::int32_t x = l; x < rt; ++x) mask[static_cast<std::size_t>(y) * width + x] = 1;
  }
  return mask;
}

}  // namespace quillet
