// The dotted focus rectangle, found by painting once without it and once with it: every
// pixel that changed must lie on the rectangle's one-pixel outline and be the inverse of
// what was there, and about every other pixel of the outline changes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "button/quillet_button.h"
#include "button/surface.h"
#include "headless/headless_host.h"

namespace quillet::testing {

// How many pixels differ between `plain` and `dotted` (`width` wide), each required to be an
// inverted pixel of the outline of `outline`; `what` names the case in failures.
inline int DottedPixels(const std::vector<std::uint32_t>& plain, const std::vector<std::uint32_t>& dotted,
                        std::int32_t width, const Rect& outline, const std::string& what = "") {
  int changed = 0;
  for (std::size_t i = 0; i < plain.size() && i < dotted.size(); ++i) {
    if ((plain[i] & 0xFFFFFF) == (dotted[i] & 0xFFFFFF)) continue;
    ++changed;
    const std::int32_t x = static_cast<std::int32_t>(i % static_cast<std::size_t>(width));
    const std::int32_t y = static_cast<std::int32_t>(i / static_cast<std::size_t>(width));
    const bool inside = x >= outline.left && x < outline.right && y >= outline.top && y < outline.bottom;
    const bool edge = x == outline.left || x == outline.right - 1 || y == outline.top || y == outline.bottom - 1;
    EXPECT_TRUE(inside && edge) << what << " " << x << "," << y;
    EXPECT_EQ(dotted[i] & 0xFFFFFF, ~plain[i] & 0xFFFFFF) << what << " " << x << "," << y;
  }
  EXPECT_EQ(plain.size(), dotted.size()) << what;
  return changed;
}

// Paints the button once with ShowFocusRect off and answers those pixels, then once with it
// on (the raster holds that painting).
inline std::vector<std::uint32_t> PaintPlainThenDotted(HeadlessHost& host) {
  host.Control().ShowFocusRect(false);
  host.PaintNow();
  std::vector<std::uint32_t> plain = host.Raster().Pixels();
  host.Control().ShowFocusRect(true);
  host.PaintNow();
  return plain;
}

// Every other pixel of the outline's walk: its length halved, give or take the corners.
inline int HalfOutline(const Rect& r) { return (r.right - r.left) + (r.bottom - r.top) - 2; }

}  // namespace quillet::testing
