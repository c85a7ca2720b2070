// The grey picture of a disabled button.
#pragma once

#include <cstdint>

#include "button/surface.h"

namespace quillet {

// Draws `picture` (a bitmap or an icon) at (x, y) scaled from its own size to
// width x height (-1: its own width or height), each pixel the truncated mean of its three
// channels. An icon keeps its transparent parts (its mask is ANDed first); a bitmap is an
// opaque grey copy. True when the grey transfer succeeded.
bool DrawDisabledPicture(Surface& target, const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height);

}  // namespace quillet
