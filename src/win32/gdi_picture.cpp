#include "win32/gdi_picture.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "raster/memory_picture.h"

namespace quillet {
namespace {

HBITMAP MakeColourBitmap(const PictureImage& image) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down, like the image
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  const std::size_t row_bytes = DibBits::RowBytes(image.width, 24);
  auto* out = static_cast<std::uint8_t*>(bits);
  for (std::int32_t y = 0; y < image.height; ++y)
    for (std::int32_t x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.pixels[static_cast<std::size_t>(y) * image.width + x];
      std::uint8_t* d = out + static_cast<std::size_t>(y) * row_bytes + 3 * x;
      d[0] = static_cast<std::uint8_t>(p);
      d[1] = static_cast<std::uint8_t>(p >> 8);
      d[2] = static_cast<std::uint8_t>(p >> 16);
    }
  GdiFlush();
  return bitmap;
}

HBITMAP MakeMaskBitmap(const PictureImage& image) {
  const std::size_t row_bytes = ((static_cast<std::size_t>(image.width) + 15) / 16) * 2;
  std::vector<std::uint8_t> bits(row_bytes * image.height, 0);
  for (std::int32_t y = 0; y < image.height; ++y)
    for (std::int32_t x = 0; x < image.width; ++x)
      if (image.mask.empty() || image.mask[static_cast<std::size_t>(y) * image.width + x])
        bits[static_cast<std::size_t>(y) * row_bytes + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
  if (image.mask.empty()) std::fill(bits.begin(), bits.end(), 0);  // opaque everywhere
  return CreateBitmap(image.width, image.height, 1, 1, bits.data());
}

}  // namespace

std::shared_ptr<GdiPicture> GdiPicture::FromImage(PictureType type, const PictureImage& image) {
  std::uintptr_t handle = 0;
  if (type == PictureType::Bitmap) {
    handle = reinterpret_cast<std::uintptr_t>(MakeColourBitmap(image));
  } else if (type == PictureType::Icon) {
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = MakeColourBitmap(image);
    info.hbmMask = MakeMaskBitmap(image);
    if (info.hbmColor && info.hbmMask) handle = reinterpret_cast<std::uintptr_t>(CreateIconIndirect(&info));
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
  }
  if (type != PictureType::None && handle == 0) return nullptr;
  return std::shared_ptr<GdiPicture>(new GdiPicture(type, handle, image));
}

GdiPicture::GdiPicture(PictureType type, std::uintptr_t handle, PictureImage image)
    : type_(type), handle_(handle), image_(std::move(image)) {
  himetric_ = HimetricFromPixels(Size{image_.width, image_.height});
}

GdiPicture::~GdiPicture() {
  if (type_ == PictureType::Icon && handle_) DestroyIcon(reinterpret_cast<HICON>(handle_));
  if (type_ == PictureType::Bitmap && handle_) DeleteObject(reinterpret_cast<HGDIOBJ>(handle_));
}

}  // namespace quillet
