// BMP and ICO decoding: any bytes give a picture or a stated error, never a read past the
// buffer or an oversized allocation; a decoded picture written out again as a plain 32-bit
// BMP (an icon as a 32-bit ICO with its mask) decodes to the same pixels and mask.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "formats/picture_file.h"

using namespace quillet;

namespace {

void Put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// BITMAPINFOHEADER, 32 bits, bottom-up; for an icon the height counts the mask too, and the
// AND mask (rows padded to 4 bytes) follows the colours.
std::vector<std::uint8_t> Dib(const PictureImage& image, bool icon) {
  std::vector<std::uint8_t> b;
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(image.width));
  Put32(b, static_cast<std::uint32_t>(icon ? image.height * 2 : image.height));
  Put16(b, 1);
  Put16(b, 32);
  for (int i = 0; i < 6; ++i) Put32(b, 0);
  for (std::int32_t y = image.height - 1; y >= 0; --y)
    for (std::int32_t x = 0; x < image.width; ++x)
      Put32(b, image.pixels[static_cast<std::size_t>(y) * image.width + x] & 0xFFFFFF);
  if (icon) {
    const std::size_t row = ((static_cast<std::size_t>(image.width) + 31) / 32) * 4;
    for (std::int32_t y = image.height - 1; y >= 0; --y) {
      std::vector<std::uint8_t> bits(row, 0);
      for (std::int32_t x = 0; x < image.width; ++x)
        if (image.mask[static_cast<std::size_t>(y) * image.width + x]) bits[x / 8] |= 0x80 >> (x % 8);
      b.insert(b.end(), bits.begin(), bits.end());
    }
  }
  return b;
}

std::vector<std::uint8_t> Encode(const PictureFile& file) {
  const bool icon = file.type == PictureType::Icon;
  const std::vector<std::uint8_t> dib = Dib(file.image, icon);
  std::vector<std::uint8_t> b;
  if (icon) {
    Put16(b, 0);
    Put16(b, 1);
    Put16(b, 1);
    b.push_back(static_cast<std::uint8_t>(file.image.width & 0xFF));
    b.push_back(static_cast<std::uint8_t>(file.image.height & 0xFF));
    b.push_back(0);
    b.push_back(0);
    Put16(b, 1);
    Put16(b, 32);
    Put32(b, static_cast<std::uint32_t>(dib.size()));
    Put32(b, 22);
  } else {
    b.push_back('B');
    b.push_back('M');
    Put32(b, static_cast<std::uint32_t>(14 + dib.size()));
    Put32(b, 0);
    Put32(b, 14 + 40);
  }
  b.insert(b.end(), dib.begin(), dib.end());
  return b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  (void)FirstIconSize(bytes);
  std::string error;
  const std::optional<PictureFile> file = DecodePictureFile(bytes, error);
  if (!file) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  const PictureImage& image = file->image;
  FUZZ_CHECK(file->type == PictureType::Bitmap || file->type == PictureType::Icon);
  FUZZ_CHECK(image.width > 0 && image.height > 0);
  FUZZ_CHECK(image.pixels.size() == static_cast<std::size_t>(image.width) * image.height);
  FUZZ_CHECK(image.mask.size() == (file->type == PictureType::Icon ? image.pixels.size() : 0));
  for (std::uint32_t p : image.pixels) FUZZ_CHECK(p <= 0xFFFFFF);
  for (std::uint8_t m : image.mask) FUZZ_CHECK(m <= 1);

  const std::vector<std::uint8_t> again = Encode(*file);
  std::string second_error;
  const std::optional<PictureFile> copy = DecodePictureFile(again, second_error);
  FUZZ_CHECK(copy.has_value());
  FUZZ_CHECK(copy->type == file->type);
  FUZZ_CHECK(copy->image.width == image.width && copy->image.height == image.height);
  FUZZ_CHECK(copy->image.pixels == image.pixels);
  FUZZ_CHECK(copy->image.mask == image.mask);
  return 0;
}
