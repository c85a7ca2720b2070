// A picture held as pixels in memory: bitmaps and icons for surfaces without GDI.
#pragma once

#include <cmath>
#include <cstdint>

#include "button/surface.h"

namespace quillet {

// Himetric size of a picture `pixels` big at 96 dots per inch (2540 / 96 per pixel), rounded:
// the size every kind of picture reports. Inline, so the GDI pictures need no link to this
// library.
inline Size HimetricFromPixels(Size pixels) {
  const auto himetric = [](std::int32_t p) { return static_cast<std::int32_t>(std::nearbyint(p * 2540.0 / 96.0)); };
  return Size{himetric(pixels.cx), himetric(pixels.cy)};
}

class MemoryPicture : public Picture {
 public:
  // HimetricSize() is HimetricFromPixels of the image's size.
  MemoryPicture(PictureType type, PictureImage image);
  PictureType Type() const override { return type_; }
  std::uintptr_t Handle() const override { return handle_; }
  Size HimetricSize() const override { return himetric_; }
  const PictureImage& Image() const override { return image_; }

 private:
  PictureType type_;
  PictureImage image_;
  Size himetric_;
  std::uintptr_t handle_;
};

}  // namespace quillet
