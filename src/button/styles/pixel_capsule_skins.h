// The three skins of the capsule button (ButtonStyle 14): fixed artwork that does not follow
// BackColor. Each is a solid centre, four corner pieces set pixel by pixel and four edges
// painted as one-pixel lines whose colour changes across the edge.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "button/surface.h"

namespace quillet {

class QuilletButton;

// One pixel of a corner piece. `column` is x from the left (left pieces) or k, the distance
// from the right, painted at W - k (right pieces); `row` is y from the top (top pieces) or
// k, painted at H - k (bottom pieces).
struct CapsulePixel {
  std::uint8_t column;
  std::uint8_t row;
  Color color;
};

struct CapsuleSkin {
  Color centre;  // fills (4, 4, W - 4, H - 4)
  std::span<const CapsulePixel> top_left, top_right, bottom_left, bottom_right;
  std::array<Color, 18> left;    // columns 0..17, outermost first
  std::array<Color, 17> right;   // columns W - 17 .. W - 1
  std::array<Color, 12> top;     // rows 0..11, outermost first
  std::array<Color, 11> bottom;  // rows H - 11 .. H - 1
};

extern const CapsuleSkin CapsuleNormal;   // rest
extern const CapsuleSkin CapsuleHot;      // hot, focused or default
extern const CapsuleSkin CapsulePressed;  // pressed or checked

// Paints one skin over the whole surface of the button.
void PaintCapsuleSkin(QuilletButton& button, const CapsuleSkin& skin);

}  // namespace quillet
