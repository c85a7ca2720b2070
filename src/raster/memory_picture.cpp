#include "raster/memory_picture.h"

#include <atomic>
#include <utility>

namespace quillet {
namespace {

std::uintptr_t NextHandle() {
  static std::atomic<std::uintptr_t> next{0x1000};
  return next.fetch_add(4);
}

}  // namespace

MemoryPicture::MemoryPicture(PictureType type, PictureImage image)
    : type_(type),
      image_(std::move(image)),
      himetric_(HimetricFromPixels(Size{image_.width, image_.height})),
      handle_(type == PictureType::None ? 0 : NextHandle()) {}

}  // namespace quillet
