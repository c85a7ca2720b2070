// The colours of a two-colour gradient, one per step, as PaintGradient defines them: step i
// of n has each channel at first + (last - first) * i / n, the division truncating toward
// zero; with n = 0 every channel is first / 2 + last / 2. Walking the steps one by one
// costs a few additions per step instead of three divisions.
#pragma once

#include <climits>
#include <cstdint>
#include <cstdlib>

#include "button/surface.h"

namespace quillet {

// The number of steps minus one (n) of a gradient over width x height in `direction`
// (0 left to right, 1 top to bottom, 2 and 3 diagonal), or -1 for an unknown direction.
constexpr std::int32_t GradientLastStep(std::int32_t width, std::int32_t height, std::int32_t direction) {
  switch (direction) {
    case 0: return width - 1;
    case 1: return height - 1;
    case 2:
    case 3: return width + height - 2;
    default: return -1;
  }
}

class GradientSteps {
 public:
  // Colours are COLORREFs (the top byte is ignored); steps come out as DIB pixels
  // (0x00RRGGBB, blue in the low byte).
  GradientSteps(Color first, Color last, std::int32_t n) : n_(n), modulus_(n > 0 ? n : INT32_MAX) {
    const Color a = first & 0xFFFFFF, b = last & 0xFFFFFF;
    for (int c = 0; c < 3; ++c) {
      start_[c] = static_cast<std::int32_t>((a >> (8 * c)) & 0xFF);
      const std::int32_t end = static_cast<std::int32_t>((b >> (8 * c)) & 0xFF);
      const std::int32_t d = end - start_[c];
      mag_[c] = std::abs(d);
      // The pixel keeps red in bits 16..23 and blue in bits 0..7: the reverse of COLORREF.
      unit_[c] = (d < 0 ? 0u - 1u : 1u) << (16 - 8 * c);
      if (n_ <= 0) start_[c] = start_[c] / 2 + end / 2;
    }
    if (n_ > 0) {
      for (int c = 0; c < 3; ++c) {
        wholeStep_ += unit_[c] * static_cast<std::uint32_t>(mag_[c] / n_);
        remStep_[c] = mag_[c] % n_;
      }
    }
    Seek(0);
  }

  // Jumps to step i (0 <= i <= n).
  void Seek(std::int64_t i) {
    pixel_ = 0;
    for (int c = 0; c < 3; ++c) {
      std::uint32_t channel = static_cast<std::uint32_t>(start_[c]) << (16 - 8 * c);
      std::int32_t rem = 0;
      if (n_ > 0) {
        const std::int64_t t = i * mag_[c];
        channel += unit_[c] * static_cast<std::uint32_t>(t / n_);
        rem = static_cast<std::int32_t>(t % n_);
      }
      pixel_ += channel;
      (c == 0 ? remRed_ : c == 1 ? remGreen_ : remBlue_) = rem;
    }
  }

  std::uint32_t Pixel() const { return pixel_; }

  // On to the next step (not past n). Written out channel by channel so that the whole
  // state stays in registers in a pixel loop.
  void Next() {
    std::uint32_t p = pixel_ + wholeStep_;
    std::int32_t r = remRed_ + remStep_[0];
    if (r >= modulus_) r -= modulus_, p += unit_[0];
    remRed_ = r;
    r = remGreen_ + remStep_[1];
    if (r >= modulus_) r -= modulus_, p += unit_[1];
    remGreen_ = r;
    r = remBlue_ + remStep_[2];
    if (r >= modulus_) r -= modulus_, p += unit_[2];
    remBlue_ = r;
    pixel_ = p;
  }

 private:
  std::int32_t n_;
  std::int32_t modulus_;  // n, or a remainder never reached when there is one step only
  std::int32_t start_[3] = {};
  std::int32_t mag_[3] = {};
  std::uint32_t unit_[3] = {};
  std::uint32_t wholeStep_ = 0;
  std::int32_t remStep_[3] = {};
  std::int32_t remRed_ = 0;
  std::int32_t remGreen_ = 0;
  std::int32_t remBlue_ = 0;
  std::uint32_t pixel_ = 0;
};

}  // namespace quillet
