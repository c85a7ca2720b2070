// Where DrawCaptionAndPicture puts the picture and the caption: the arithmetic of the
// layout, apart from any drawing, so it can be checked on its own.
#pragma once

#include <cstdint>
#include <optional>

#include "button/button_types.h"
#include "button/surface.h"

namespace quillet {

struct CaptionLayoutInput {
  std::int32_t width = 0;   // W, ScaleWidth rounded
  std::int32_t height = 0;  // H, ScaleHeight rounded
  double scale_width = 0;   // unrounded, for the fit test
  double scale_height = 0;
  Size text;                 // TW, TH, measured with the "&" markers
  Size picture;              // PW, PH before the fit
  bool has_picture = false;  // Picture is set (of any type)
  std::int32_t picture_align = 1;
  std::int32_t caption_align = 1;
  std::int32_t style = 0;
  DrawState state = DrawState::Normal;
  bool has_access_key = false;
};

struct CaptionLayout {
  Point picture_position;  // after the pressed offset
  Size picture_size;       // after the fit
  Point caption;           // CX, CY after the access-key shift
  Rect caption_rect;
  // Set only in the looks that refresh CaptionFocusRect.
  std::optional<Rect> focus_rect;
};

// PictureDrawWidth/Height for `picture_size` (0 natural, 1..3 fixed); values outside 0..3
// keep `previous`. The fixed sides grow by `dpi_scale` on a monitor of a larger scale; the
// natural size already comes in the monitor's pixels.
Size PictureDrawSize(std::int32_t picture_size, Size natural_pixels, Size previous, double dpi_scale = 1.0);

CaptionLayout LayOutCaption(const CaptionLayoutInput& in);

}  // namespace quillet
