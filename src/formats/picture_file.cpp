#include "formats/picture_file.h"

#include <climits>
#include <fstream>
#include <iterator>
#include <vector>

namespace quillet {
namespace {

std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8);
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

// A DIB (BITMAPINFOHEADER or BITMAPCOREHEADER, palette, bits) at `header`. `bits_at` is
// where the pixels start (0: right after the palette). For icons the stored height is
// twice the image and the AND mask follows the colour bits.
bool DecodeDib(std::span<const std::uint8_t> b, std::size_t header, std::size_t bits_at, bool icon, PictureImage& out,
               std::string& error) {
  if (header + 12 > b.size()) return error = "truncated bitmap header", false;
  const std::uint32_t header_size = U32(b, header);
  std::int32_t width = 0, height = 0;
  std::uint32_t bit_count = 0, compression = 0, colours_used = 0, palette_entry = 4;
  if (header_size == 12) {
    width = static_cast<std::int32_t>(U16(b, header + 4));
    height = static_cast<std::int16_t>(U16(b, header + 6));
    bit_count = U16(b, header + 10);
    palette_entry = 3;
  } else if (header_size >= 40 && header + header_size <= b.size()) {
    width = static_cast<std::int32_t>(U32(b, header + 4));
    height = static_cast<std::int32_t>(U32(b, header + 8));
    bit_count = U16(b, header + 14);
    compression = U32(b, header + 16);
    colours_used = U32(b, header + 32);
  } else {
    return error = "unsupported bitmap header", false;
  }
  // BI_BITFIELDS is accepted for 32 bits with the usual masks only.
  if (compression != 0 && !(compression == 3 && bit_count == 32)) {
    return error = "compressed bitmaps are not supported", false;
  }
  if (bit_count != 1 && bit_count != 4 && bit_count != 8 && bit_count != 24 && bit_count != 32) {
    return error = "unsupported bits per pixel: " + std::to_string(bit_count), false;
  }
  // The most negative height has no positive counterpart.
  if (height == INT32_MIN) return error = "bad bitmap size", false;
  const bool top_down = height < 0;
  if (top_down) height = -height;
  if (icon) height /= 2;
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096) {
    return error = "bad bitmap size", false;
  }
  std::size_t palette_at = header + header_size;
  if (compression == 3 && header_size == 40) palette_at += 12;  // the three masks
  const std::size_t palette_count = bit_count <= 8 ? (colours_used ? colours_used : (1u << bit_count)) : 0;
  if (palette_at + palette_count * palette_entry > b.size()) {
    return error = "truncated palette", false;
  }
  if (bits_at == 0) bits_at = palette_at + palette_count * palette_entry;
  const std::size_t row = ((static_cast<std::size_t>(width) * bit_count + 31) / 32) * 4;
  const std::size_t mask_row = ((static_cast<std::size_t>(width) + 31) / 32) * 4;
  const std::size_t need = row * height + (icon ? mask_row * height : 0);
  if (bits_at + need > b.size()) return error = "truncated pixel data", false;

  out.width = width;
  out.height = height;
  out.pixels.assign(static_cast<std::size_t>(width) * height, 0);
  if (icon) out.mask.assign(out.pixels.size(), 0);
  for (std::int32_t y = 0; y < height; ++y) {
    const std::size_t stored = top_down ? y : height - 1 - y;
    const std::size_t at = bits_at + stored * row;
    for (std::int32_t x = 0; x < width; ++x) {
      std::uint32_t p = 0;
      if (bit_count <= 8) {
        const std::size_t bit = static_cast<std::size_t>(x) * bit_count;
        const std::uint32_t byte = b[at + bit / 8];
        const std::uint32_t index = (byte >> (8 - bit_count - bit % 8)) & ((1u << bit_count) - 1);
        if (index < palette_count) {
          const std::size_t e = palette_at + index * palette_entry;
          p = b[e] | (static_cast<std::uint32_t>(b[e + 1]) << 8) | (static_cast<std::uint32_t>(b[e + 2]) << 16);
        }
      } else {
        const std::size_t e = at + static_cast<std::size_t>(x) * (bit_count / 8);
        p = b[e] | (static_cast<std::uint32_t>(b[e + 1]) << 8) | (static_cast<std::uint32_t>(b[e + 2]) << 16);
      }
      out.pixels[static_cast<std::size_t>(y) * width + x] = p;
      if (icon) {
        const std::size_t m = bits_at + row * height + stored * mask_row;
        out.mask[static_cast<std::size_t>(y) * width + x] = (b[m + x / 8] >> (7 - x % 8)) & 1;
      }
    }
  }
  return true;
}

}  // namespace

std::optional<Size> FirstIconSize(std::span<const std::uint8_t> b) {
  if (b.size() < 22 || U16(b, 0) != 0 || U16(b, 2) != 1 || U16(b, 4) == 0) return std::nullopt;
  // A stored 0 means 256.
  return Size{b[6] ? b[6] : 256, b[7] ? b[7] : 256};
}

std::optional<PictureFile> DecodePictureFile(std::span<const std::uint8_t> b, std::string& error) {
  PictureFile file;
  if (b.size() >= 14 && b[0] == 'B' && b[1] == 'M') {
    file.type = PictureType::Bitmap;
    if (!DecodeDib(b, 14, U32(b, 10), false, file.image, error)) return std::nullopt;
    return file;
  }
  if (FirstIconSize(b)) {
    file.type = PictureType::Icon;
    const std::size_t offset = U32(b, 18);
    if (offset + 8 <= b.size() && b[offset] == 0x89 && b[offset + 1] == 'P') {
      error = "PNG-encoded icons are not supported";
      return std::nullopt;
    }
    if (!DecodeDib(b, offset, 0, true, file.image, error)) return std::nullopt;
    return file;
  }
  error = "not a BMP or ICO file";
  return std::nullopt;
}

std::optional<PictureFile> ReadPictureFile(const std::string& path, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path;
    return std::nullopt;
  }
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto file = DecodePictureFile(bytes, error);
  if (!file) error = path + ": " + error;
  return file;
}

}  // namespace quillet
