#include "button/disabled_picture.h"

#include <vector>

namespace quillet {

bool DrawDisabledPicture(Surface& target, const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height) {
  const bool icon = picture.Type() == PictureType::Icon;
  std::vector<std::uint8_t> grey;
  std::int32_t bw = 0, bh = 0;
  // A 24-bit bottom-up copy of the colour bitmap (an icon's colour image).
  if (!target.ReadPictureBits(picture, PicturePlane::Colour, grey, bw, bh)) return false;
  if (width == -1) width = bw;
  if (height == -1) height = bh;

  const std::size_t row = DibBits::RowBytes(bw, 24);
  // The filler bytes that end a row are not pixels.
  for (std::int32_t r = 0; r < bh; ++r) {
    std::uint8_t* p = grey.data() + static_cast<std::size_t>(r) * row;
    for (std::int32_t i = 0; i < bw; ++i, p += 3) {
      const auto g = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
      p[0] = p[1] = p[2] = g;
    }
  }

  // White where an icon is transparent, black where opaque; all black for a bitmap.
  std::vector<std::uint8_t> mask;
  std::int32_t mw = 0, mh = 0;
  if (!icon || !target.ReadPictureBits(picture, PicturePlane::Mask, mask, mw, mh) || mw != bw || mh != bh) {
    mask.assign(grey.size(), 0);
  }

  const DibBits mask_bits{bw, bh, 24, mask.data()};
  const DibBits grey_bits{bw, bh, 24, grey.data()};
  target.StretchDIBits(x, y, width, height, 0, 0, bw, bh, mask_bits, kSrcAnd);
  return target.StretchDIBits(x, y, width, height, 0, 0, bw, bh, grey_bits, kSrcPaint) != 0;
}

}  // namespace quillet
