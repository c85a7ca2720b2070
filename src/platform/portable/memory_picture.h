// A picture held as pixels in memory: bitmaps and icons for surfaces without GDI.
#pragma once

#include <cstdint>

#include "button/surface.h"

namespace quillet {

class MemoryPicture : public Picture {
 public:
  // Himetric size from the pixel size at 96 dots per inch (2540 / 96 per pixel), rounded.
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
