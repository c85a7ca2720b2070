// Pictures backed by GDI objects: a DIB-section bitmap or an icon.
#pragma once

#include <windows.h>

#include <memory>

#include "button/surface.h"

namespace quillet {

class GdiPicture : public Picture {
 public:
  // Makes an HBITMAP (24-bit DIB section) or an HICON (colour plus monochrome mask) from
  // pixels; the picture owns and destroys the handle.
  static std::shared_ptr<GdiPicture> FromImage(PictureType type, const PictureImage& image);
  ~GdiPicture() override;
  GdiPicture(const GdiPicture&) = delete;
  GdiPicture& operator=(const GdiPicture&) = delete;

  PictureType Type() const override { return type_; }
  std::uintptr_t Handle() const override { return handle_; }
  Size HimetricSize() const override { return himetric_; }
  const PictureImage& Image() const override { return image_; }

 private:
  GdiPicture(PictureType type, std::uintptr_t handle, PictureImage image);
  PictureType type_;
  std::uintptr_t handle_;
  PictureImage image_;
  Size himetric_;
};

}  // namespace quillet
