#include "platform/portable/memory_picture.h"

#include <atomic>
#include <cmath>
#include <utility>

namespace quillet {
namespace {

std::int32_t PixelsToHimetric(std::int32_t pixels) {
  return static_cast<std::int32_t>(std::nearbyint(pixels * 2540.0 / 96.0));
}

std::uintptr_t NextHandle() {
  static std::atomic<std::uintptr_t> next{0x1000};
  return next.fetch_add(4);
}

}  // namespace

MemoryPicture::MemoryPicture(PictureType type, PictureImage image)
    : type_(type),
      image_(std::move(image)),
      himetric_{PixelsToHimetric(image_.width), PixelsToHimetric(image_.height)},
      handle_(type == PictureType::None ? 0 : NextHandle()) {}

}  // namespace quillet
